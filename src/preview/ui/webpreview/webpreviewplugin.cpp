#include "webpreviewplugin.h"

#include "livewebview.h"
#include "previewwebpage.h"

#include <QPointer>
#include <QQuickWindow>
#include <QUrl>
#include <QWebEngineFindTextResult>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

class WebPreviewView : public PreviewView
{
public:
    WebPreviewView(QWidget *parent, PreviewViewHost *host)
        : m_host(host), m_profile(new QWebEngineProfile), m_view(new QWebEngineView(parent))
    {
        auto *page = new PreviewWebPage(m_profile.get(), host, m_view);
        m_view->setPage(page);
        QObject::connect(page, &QWebEnginePage::loadFinished, m_view,
                         [host](bool ok) { host->previewLoaded(ok); });
    }

    ~WebPreviewView() override
    {
        // The page, a child of the view, must go before its profile.
        delete m_view;
    }

    QWidget *widget() const override { return m_view; }

    void load(const QUrl &page) override
    {
        // A file URL, never setHtml: the page may be larger than setHtml takes.
        m_view->load(page);
    }

    void findText(const QString &text, bool matchCase, bool backward) override
    {
        QWebEnginePage::FindFlags flags;
        if (matchCase)
            flags |= QWebEnginePage::FindCaseSensitively;
        if (backward)
            flags |= QWebEnginePage::FindBackward;
        // Taking the marks away asks nothing.
        if (text.isEmpty()) {
            m_view->page()->findText(QString());
            return;
        }
        // The answer may come while the view is going; then nobody asks any more.
        const QPointer<QWebEngineView> view = m_view;
        PreviewViewHost *host = m_host;
        m_view->page()->findText(text, flags, [view, host](const QWebEngineFindTextResult &found) {
            if (view)
                host->foundInPage(found.activeMatch(), found.numberOfMatches());
        });
    }

private:
    PreviewViewHost *m_host;
    std::unique_ptr<QWebEngineProfile> m_profile;
    QPointer<QWebEngineView> m_view;
};

} // namespace

WebPreviewPlugin::WebPreviewPlugin()
{
    // What the web engine asks for when it is linked to the program: the scene
    // graph draws through OpenGL, whose shared context the program made before
    // loading this plugin.
    const QSGRendererInterface::GraphicsApi api = QQuickWindow::graphicsApi();
    if (api != QSGRendererInterface::OpenGL && api != QSGRendererInterface::Vulkan)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
    // Before the first profile, which is made only after the plugin has loaded.
    LivePageScheme::registerScheme();
}

PreviewView *WebPreviewPlugin::createView(QWidget *parent, PreviewViewHost *host)
{
    return new WebPreviewView(parent, host);
}

LiveView *WebPreviewPlugin::createLiveView(QWidget *parent, LiveViewHost *host)
{
    return new LiveWebView(parent, host);
}
