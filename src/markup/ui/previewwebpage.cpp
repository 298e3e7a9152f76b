#include "previewwebpage.h"

#include "foundation/datafolder.h"
#include "foundation/platform.h"
#include "previewbrowser.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>

PreviewWebPage::PreviewWebPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
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
    switch (PreviewBrowser::decide(url, type, isMainFrame, m_previewUrl)) {
    case PreviewBrowser::Decision::Accept:
        return true;
    case PreviewBrowser::Decision::OpenInShell:
        openInShell(url);
        return false;
    case PreviewBrowser::Decision::Refuse:
        break;
    }
    return false;
}

QWebEnginePage *PreviewWebPage::createWindow(WebWindowType)
{
    return nullptr;
}

void PreviewWebPage::onNewWindowRequested(QWebEngineNewWindowRequest &request)
{
    // Every link of a post opens a new window; only what the user clicked goes out.
    if (!request.isUserInitiated())
        return;
    const QUrl url = request.requestedUrl();
    if (PreviewBrowser::decide(url, NavigationTypeLinkClicked, true, m_previewUrl)
        == PreviewBrowser::Decision::OpenInShell)
        openInShell(url);
}

void PreviewWebPage::openInShell(const QUrl &url)
{
    Platform::shell().open(url.toString(QUrl::FullyEncoded), QString(), QString(),
                           DataFolder::programFolder());
}
