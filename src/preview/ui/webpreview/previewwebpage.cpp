#include "previewwebpage.h"

#include "preview/ui/previewview.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>

namespace {

PreviewNavigation::Kind kindOf(QWebEnginePage::NavigationType type)
{
    using Kind = PreviewNavigation::Kind;
    switch (type) {
    case QWebEnginePage::NavigationTypeLinkClicked:
        return Kind::LinkClicked;
    case QWebEnginePage::NavigationTypeTyped:
        return Kind::Typed;
    case QWebEnginePage::NavigationTypeFormSubmitted:
        return Kind::FormSubmitted;
    case QWebEnginePage::NavigationTypeBackForward:
        return Kind::BackForward;
    case QWebEnginePage::NavigationTypeReload:
        return Kind::Reload;
    case QWebEnginePage::NavigationTypeRedirect:
        return Kind::Redirect;
    case QWebEnginePage::NavigationTypeOther:
        break;
    }
    return Kind::Other;
}

} // namespace

PreviewWebPage::PreviewWebPage(QWebEngineProfile *profile, PreviewViewHost *host, QObject *parent)
    : QWebEnginePage(profile, parent), m_host(host)
{
    // A post may carry any HTML: nothing in it runs, and a local page reads no other local file.
    QWebEngineSettings *options = settings();
    options->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    options->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    options->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    options->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    options->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    options->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    options->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    options->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    options->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    connect(this, &QWebEnginePage::newWindowRequested, this, &PreviewWebPage::onNewWindowRequested);
}

bool PreviewWebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    return m_host->navigationRequested(url, kindOf(type), isMainFrame);
}

QWebEnginePage *PreviewWebPage::createWindow(WebWindowType)
{
    return nullptr;
}

void PreviewWebPage::onNewWindowRequested(QWebEngineNewWindowRequest &request)
{
    // Every link of a post opens a new window; only what the user clicked goes out.
    if (request.isUserInitiated())
        m_host->navigationRequested(request.requestedUrl(), PreviewNavigation::Kind::LinkClicked,
                                    true);
}
