#pragma once

#include "preview/ui/previewview.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QUrl>

#include <memory>

class PreviewViewFactory;
class QWidget;

// The browser that shows the preview page in the editor's place. The web engine
// is a plugin, loaded on the first preview and not at start-up; each browser is
// made on its first page, in a private off-the-record profile with scripts and
// plugins off. Links the user clicks open in the desktop's browser and the page
// itself never navigates away from the preview.
class PreviewBrowser : public QObject, private PreviewViewHost
{
    Q_OBJECT
public:
    PreviewBrowser(QWidget *parentForView, QObject *parent);
    ~PreviewBrowser() override;

    // Where the program looks for the web engine plugin: the same place relative
    // to the program in the build tree and where it is installed.
    static QString installedPluginPath();
    // Another plugin file for this browser, until it has loaded one.
    void setPluginPath(const QString &path);

    // Loads the web engine plugin on the first call. When it is missing or cannot
    // be loaded, says so once and answers false from then on.
    bool isAvailable();

    // The loaded plugin's maker of browser widgets, for other views of the
    // preview; nullptr when the plugin is not available (said once, as above).
    PreviewViewFactory *factory();

    bool isCreated() const;
    // The browser widget; nullptr until the first navigate().
    QWidget *view() const;
    // Remembered until the view exists, then applied to it. A parent with a
    // layout places the view itself and the geometry is not used. Visible
    // unless told otherwise.
    void setGeometry(const QRect &geometry);
    void setVisible(bool visible);

    // Shows the page file, making the browser first if need be. Does nothing
    // when the plugin is not available.
    void navigate(const QString &filePath);

    // Searches the page shown for `text`; the empty text takes the marks away.
    // Answers a text with pageSearched(). Does nothing before the first page.
    void findText(const QString &text, bool matchCase, bool backward);

signals:
    void loadFinished(bool ok);
    // The match now shown, from 1 (0: none), and how many the page holds.
    void pageSearched(int active, int total);

private:
    enum class Plugin { NotLoaded, Loaded, Unavailable };

    bool navigationRequested(const QUrl &url, PreviewNavigation::Kind kind,
                             bool isMainFrame) override;
    void previewLoaded(bool ok) override;
    void foundInPage(int active, int total) override;
    void create();

    QWidget *m_parentForView;
    QString m_pluginPath;
    Plugin m_plugin = Plugin::NotLoaded;
    PreviewViewFactory *m_factory = nullptr;
    std::unique_ptr<PreviewView> m_view;
    QUrl m_previewUrl;
    QRect m_geometry;
    bool m_visible = true;
};
