#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QUrl>
#include <QWebEnginePage>

class PreviewWebPage;
class QWebEngineProfile;
class QWebEngineView;
class QWidget;

// The browser that shows the preview page in the editor's place. It is made on
// the first preview, not at start-up, in a private off-the-record profile with
// scripts and plugins off; links the user clicks open in the desktop's browser
// and the page itself never navigates away from the preview.
class PreviewBrowser : public QObject
{
    Q_OBJECT
public:
    // What happens to a navigation the preview is asked for.
    enum class Decision { Accept, OpenInShell, Refuse };

    PreviewBrowser(QWidget *parentForView, QObject *parent);
    ~PreviewBrowser() override;

    bool isCreated() const;
    // The browser widget; nullptr until the first navigate().
    QWidget *view() const;
    // Remembered until the view exists, then applied to it. A parent with a
    // layout places the view itself and the geometry is not used. Visible
    // unless told otherwise.
    void setGeometry(const QRect &geometry);
    void setVisible(bool visible);

    // Shows the page file, making the browser first if need be.
    void navigate(const QString &filePath);

    // The navigation policy: `previewUrl` is the page file being shown. Only the
    // page itself loads; web and mail links the user clicks go to the desktop;
    // frames inside the page may load web content; nothing else happens.
    static Decision decide(const QUrl &url, QWebEnginePage::NavigationType type, bool isMainFrame,
                           const QUrl &previewUrl);

signals:
    void loadFinished(bool ok);

private:
    void create();

    QWidget *m_parentForView;
    QPointer<QWebEngineView> m_view;
    QWebEngineProfile *m_profile = nullptr;
    QPointer<PreviewWebPage> m_page;
    QRect m_geometry;
    bool m_visible = true;
};
