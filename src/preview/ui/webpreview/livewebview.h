#pragma once

#include "preview/ui/previewview.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

#include <memory>

class LiveWebPage;
class QWebEngineProfile;
class QWebEngineView;

// The address scheme of the live page, known to the web engine before its
// first profile is made.
namespace LivePageScheme {
void registerScheme();
QUrl pageUrl();
} // namespace LivePageScheme

// The live preview's browser: its first page comes through the program's own
// address scheme, and each later one replaces the document in place by a
// script in the application world.
class LiveWebView : public LiveView, private QWebEngineUrlSchemeHandler
{
public:
    LiveWebView(QWidget *parent, LiveViewHost *host);
    ~LiveWebView() override;

    QWidget *widget() const override;
    void show(const QString &page) override;
    void scrollToMark(int mark) override;

private:
    void requestStarted(QWebEngineUrlRequestJob *job) override;
    void loaded(bool ok);
    void replace(const QString &page);
    void consoleMessage(const QString &message);

    LiveViewHost *m_host;
    std::unique_ptr<QWebEngineProfile> m_profile;
    QPointer<QWebEngineView> m_view;
    LiveWebPage *m_page = nullptr;
    QString m_token;
    bool m_loading = false;
    bool m_loaded = false;
    // A page given while the first still loads.
    QString m_waiting;
    bool m_hasWaiting = false;
    int m_markAfterLoad = -1;
};
