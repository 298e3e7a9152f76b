#include "previewbrowser.h"

#include "foundation/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QWidget>

QT_BEGIN_NAMESPACE
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace {

QOpenGLContext *sharedContext = nullptr;

void deleteSharedContext()
{
    if (qt_gl_global_share_context() == sharedContext)
        qt_gl_set_global_share_context(nullptr);
    delete sharedContext;
    sharedContext = nullptr;
}

// The web engine draws through an OpenGL context that the windows share. Linked
// to the program, it has Qt make that context as the application starts, which
// loads the graphics driver in every session; made here, just before the engine
// loads, it costs only the sessions that preview. Where no context can be made
// (offscreen), the engine draws in software, as it would have from the start.
void shareGraphicsContexts()
{
    if (qt_gl_global_share_context())
        return;
    sharedContext = new QOpenGLContext;
    sharedContext->setFormat(QSurfaceFormat::defaultFormat());
    sharedContext->create();
    qt_gl_set_global_share_context(sharedContext);
    qAddPostRoutine(deleteSharedContext);
    // Widgets drawn through OpenGL look for the attribute rather than the context.
    // Qt warns that it comes after the application started, which matters only
    // for the context Qt would have made then, and that exists now: keep quiet.
    const QtMessageHandler handler
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(handler);
}

PreviewViewFactory *loadFactory(const QString &path, QString &problem)
{
    if (!QFileInfo::exists(path)) {
        problem = QCoreApplication::translate("PreviewBrowser", "%1 is missing")
                      .arg(QDir::toNativeSeparators(path));
        return nullptr;
    }
    shareGraphicsContexts();
    QPluginLoader loader(path);
    // The web engine cannot be unloaded, and its objects outlive any one browser.
    loader.setLoadHints(QLibrary::PreventUnloadHint);
    QObject *root = loader.instance();
    auto *factory = qobject_cast<PreviewViewFactory *>(root);
    if (!factory)
        problem = root ? QCoreApplication::translate("PreviewBrowser", "%1 is not a preview plugin")
                             .arg(QDir::toNativeSeparators(path))
                       : loader.errorString();
    return factory;
}

} // namespace

PreviewBrowser::PreviewBrowser(QWidget *parentForView, QObject *parent)
    : QObject(parent), m_parentForView(parentForView), m_pluginPath(installedPluginPath())
{
}

PreviewBrowser::~PreviewBrowser() = default;

QString PreviewBrowser::installedPluginPath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/'
                           + QStringLiteral(WUXO_PREVIEW_PLUGIN_FROM_PROGRAM));
}

void PreviewBrowser::setPluginPath(const QString &path)
{
    m_pluginPath = path;
}

bool PreviewBrowser::isAvailable()
{
    if (m_plugin == Plugin::NotLoaded) {
        QString problem;
        m_factory = loadFactory(m_pluginPath, problem);
        m_plugin = m_factory ? Plugin::Loaded : Plugin::Unavailable;
        if (!m_factory)
            Platform::prompts().messageBox(tr("The integrated browser cannot be started: %1.\n\n"
                                              "Previews open in your web browser instead.")
                                               .arg(problem),
                                           QStringLiteral("Wuxo"), MessageIcon::Exclamation,
                                           MessageButtons::Ok);
    }
    return m_plugin == Plugin::Loaded;
}

PreviewViewFactory *PreviewBrowser::factory()
{
    return isAvailable() ? m_factory : nullptr;
}

bool PreviewBrowser::isCreated() const
{
    return m_view && m_view->widget();
}

QWidget *PreviewBrowser::view() const
{
    return m_view ? m_view->widget() : nullptr;
}

void PreviewBrowser::setGeometry(const QRect &geometry)
{
    m_geometry = geometry;
    if (QWidget *widget = view())
        widget->setGeometry(geometry);
}

void PreviewBrowser::setVisible(bool visible)
{
    m_visible = visible;
    if (QWidget *widget = view())
        widget->setVisible(visible);
}

void PreviewBrowser::navigate(const QString &filePath)
{
    if (!isAvailable())
        return;
    if (!isCreated())
        create();
    m_previewUrl = QUrl::fromLocalFile(filePath);
    m_view->load(m_previewUrl);
}

bool PreviewBrowser::navigationRequested(const QUrl &url, PreviewNavigation::Kind kind,
                                         bool isMainFrame)
{
    return PreviewNavigation::follow(url, kind, isMainFrame, m_previewUrl);
}

void PreviewBrowser::previewLoaded(bool ok)
{
    emit loadFinished(ok);
}

void PreviewBrowser::findText(const QString &text, bool matchCase, bool backward)
{
    if (isCreated())
        m_view->findText(text, matchCase, backward);
}

void PreviewBrowser::foundInPage(int active, int total)
{
    emit pageSearched(active, total);
}

void PreviewBrowser::create()
{
    m_view.reset(m_factory->createView(m_parentForView, this));
    QWidget *widget = m_view->widget();
    // A parent that lays out its children (a frame kept in the editor's place)
    // takes the view in; otherwise the view keeps the geometry it was given.
    if (QLayout *layout = m_parentForView->layout())
        layout->addWidget(widget);
    else
        widget->setGeometry(m_geometry);
    widget->setVisible(m_visible);
}
