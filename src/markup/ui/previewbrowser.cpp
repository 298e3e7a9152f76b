#include "previewbrowser.h"

#include "previewwebpage.h"

#include <QLayout>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWidget>

namespace {

bool isSameDocument(const QUrl &url, const QUrl &previewUrl)
{
    return !previewUrl.isEmpty()
        && url.adjusted(QUrl::RemoveFragment) == previewUrl.adjusted(QUrl::RemoveFragment);
}

// Only addresses a browser or mail program opens go to the desktop: a post may
// hold any link, and a file: link could start a program on the user's machine.
bool opensOnDesktop(const QUrl &url)
{
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == u"http" || scheme == u"https" || scheme == u"mailto");
}

bool isWebContent(const QUrl &url)
{
    const QString scheme = url.scheme();
    return url.isValid()
        && (scheme == u"http" || scheme == u"https" || url == QUrl(QStringLiteral("about:blank"))
            || url == QUrl(QStringLiteral("about:srcdoc")));
}

} // namespace

PreviewBrowser::PreviewBrowser(QWidget *parentForView, QObject *parent)
    : QObject(parent), m_parentForView(parentForView)
{
}

PreviewBrowser::~PreviewBrowser()
{
    // The page must go before its profile.
    delete m_view;
}

bool PreviewBrowser::isCreated() const
{
    return !m_view.isNull();
}

QWidget *PreviewBrowser::view() const
{
    return m_view;
}

void PreviewBrowser::setGeometry(const QRect &geometry)
{
    m_geometry = geometry;
    if (m_view)
        m_view->setGeometry(geometry);
}

void PreviewBrowser::setVisible(bool visible)
{
    m_visible = visible;
    if (m_view)
        m_view->setVisible(visible);
}

void PreviewBrowser::navigate(const QString &filePath)
{
    if (!m_view)
        create();
    const QUrl url = QUrl::fromLocalFile(filePath);
    m_page->setPreviewUrl(url);
    // A file URL, never setHtml: the page may be larger than setHtml takes.
    m_view->load(url);
}

PreviewBrowser::Decision PreviewBrowser::decide(const QUrl &url,
                                                QWebEnginePage::NavigationType type,
                                                bool isMainFrame, const QUrl &previewUrl)
{
    if (type == QWebEnginePage::NavigationTypeLinkClicked && !isSameDocument(url, previewUrl))
        return opensOnDesktop(url) ? Decision::OpenInShell : Decision::Refuse;
    // A refresh the page asks for itself could reload it for ever.
    if (type == QWebEnginePage::NavigationTypeFormSubmitted
        || type == QWebEnginePage::NavigationTypeRedirect)
        return Decision::Refuse;
    if (isMainFrame)
        return isSameDocument(url, previewUrl) ? Decision::Accept : Decision::Refuse;
    return isWebContent(url) ? Decision::Accept : Decision::Refuse;
}

void PreviewBrowser::create()
{
    if (!m_profile)
        m_profile = new QWebEngineProfile(this);
    auto *view = new QWebEngineView(m_parentForView);
    m_page = new PreviewWebPage(m_profile, view);
    view->setPage(m_page);
    connect(m_page, &QWebEnginePage::loadFinished, this, &PreviewBrowser::loadFinished);
    // A parent that lays out its children (a frame kept in the editor's place)
    // takes the view in; otherwise the view keeps the geometry it was given.
    if (QLayout *layout = m_parentForView->layout())
        layout->addWidget(view);
    else
        view->setGeometry(m_geometry);
    view->setVisible(m_visible);
    m_view = view;
}
