#pragma once

#include "livepreview/liveprefs.h"
#include "preview/ui/previewview.h"

#include <QObject>
#include <QRect>
#include <QTimer>

#include <functional>
#include <memory>

class LivePage;
class LiveUpdater;
class PreviewBrowser;
class QAction;
class QLabel;
class QPlainTextEdit;
class QShortcut;
class QSplitter;
class QWidget;
class SkinLabel;

// The live preview beside the post editor: while shown, the editor's place is
// split between the editor and the preview page, which follows the post a
// moment after each pause in typing and keeps the caret's part of the post in
// view. A click in the page puts the caret where that text came from. The web
// engine loads when the preview is first shown. A post that cannot make a page
// keeps the last page, with a line over it that says why.
class LivePreview : public QObject, private LiveViewHost
{
    Q_OBJECT

public:
    // `editorHeader` is the label whose look the preview's caption takes;
    // `lengthLabel` moves with the editor's right edge. `relayout` puts the
    // window's controls in place again.
    LivePreview(QPlainTextEdit *editor, SkinLabel *editorHeader, QWidget *lengthLabel,
                PreviewBrowser *browser, QAction *showEntry, QAction *followEntry,
                std::function<void()> relayout, QObject *parent);
    ~LivePreview() override;

    // Reads how the user left the preview (prefs.txt) and shows it again if it was shown.
    void start();

    bool isShown() const { return m_shown; }
    // Places the editor and the preview in the editor's rectangle; false (and
    // nothing done) when the preview is not shown.
    bool place(const QRect &editorArea);

    // The splitter and the preview's notice line (hidden when the page is current).
    QSplitter *splitter() const { return m_splitter; }
    QLabel *notice() const { return m_notice; }
    // The page shown last; nullptr before the first.
    const LivePage *page() const { return m_page.get(); }

signals:
    // A page (or the notice of a failure) is on screen for the post as it is now.
    void settled();

private:
    void showEntryTriggered(bool checked);
    void followEntryTriggered(bool checked);
    bool setShown(bool shown);
    bool createView();
    void postEdited();
    void caretMoved();
    void followCaret();
    void pageBuilt(std::shared_ptr<LivePage> page);
    void pageFailed(const QString &text);
    void splitterMoved();
    void placeCaption();

    bool navigationRequested(const QUrl &url, PreviewNavigation::Kind kind, bool isMainFrame,
                             const QUrl &pageUrl) override;
    void markClicked(int mark, qsizetype textOffset) override;
    void pageShown() override;

    QPlainTextEdit *m_editor;
    SkinLabel *m_editorHeader;
    QWidget *m_lengthLabel;
    PreviewBrowser *m_browser;
    QAction *m_showEntry;
    QAction *m_followEntry;
    std::function<void()> m_relayout;
    LiveUpdater *m_updater;
    QWidget *m_editorParent = nullptr;
    QSplitter *m_splitter = nullptr;
    QWidget *m_pane = nullptr;
    QLabel *m_notice = nullptr;
    SkinLabel *m_caption = nullptr;
    std::unique_ptr<LiveView> m_view;
    std::shared_ptr<LivePage> m_page;
    LivePreviewSettings m_settings;
    QShortcut *m_switchFocus = nullptr;
    QTimer m_caretPause;
    QTimer m_splitWrite;
    bool m_shown = false;
    bool m_showing = false; // a page is on its way to the screen
    int m_shownMark = -2;
};
