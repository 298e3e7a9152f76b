#pragma once

#include <QUrl>
#include <QWebEnginePage>

class QWebEngineNewWindowRequest;

// The preview's page: applies the preview browser's navigation policy, hands the
// links the user clicks (new-window links too) to the desktop, and never opens
// a window of its own.
class PreviewWebPage : public QWebEnginePage
{
    Q_OBJECT
public:
    PreviewWebPage(QWebEngineProfile *profile, QObject *parent);

    // The page file the preview shows; the only document the page may load.
    QUrl previewUrl() const { return m_previewUrl; }
    void setPreviewUrl(const QUrl &url) { m_previewUrl = url; }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    void onNewWindowRequested(QWebEngineNewWindowRequest &request);
    static void openInShell(const QUrl &url);

    QUrl m_previewUrl;
};
