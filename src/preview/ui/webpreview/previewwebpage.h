#pragma once

#include <QWebEnginePage>

class PreviewViewHost;
class QWebEngineNewWindowRequest;

// The preview's page: scripts and plugins off, every navigation (new-window
// links too) put to the preview browser's policy, and never a window of its own.
class PreviewWebPage : public QWebEnginePage
{
    Q_OBJECT
public:
    PreviewWebPage(QWebEngineProfile *profile, PreviewViewHost *host, QObject *parent);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    void onNewWindowRequested(QWebEngineNewWindowRequest &request);

    PreviewViewHost *m_host;
};
