#pragma once

#include "app/edithistory.h"
#include "app/mainlayout.h"
#include "app/usermenufile.h"
#include "postgen/ui/postgeneratorhost.h"
#include "widgets/editortext.h"

#include <QList>
#include <QMainWindow>
#include <QString>

#include <array>

class DataFileCommands;
class ForumCommands;
class FindCommands;
class HelpCommands;
class LivePreview;
class PostEdit;
class PostRecovery;
class SessionEndRequest;
class PostGenerator;
class PreviewBrowser;
class SpellingCommands;
class TagCommands;
class EditorDecorations;
class PostLengthLabel;
class QAction;
class QComboBox;
class QMenu;
class SkinButton;
class SkinLabel;
class SkinLine;
class SkinPanel;
class SkinShape;
class TagLayer;

// The main window: the post editor with its formatting commands, the Edit menu
// and history, drafts, the user's Insert and Web menus and the doors to the
// other windows. It owns the post, its history and the unsaved-changes flag.
// Its controls and handlers are private: tests and screen readers find the
// controls by object name, and the menus come from one command table.
class frmMain : public QMainWindow, private PostGeneratorHost
{
    Q_OBJECT
public:
    // Builds the window and runs its start-up; a refused second instance ends
    // here with the window never to be shown.
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    bool refusedSecondInstance() const { return m_refused; }

    // The post, in its own terms (CR LF breaks, a break counts two in positions).
    EditorText post() const;
    bool blnPostChanged() const { return m_postChanged; }
    void setBlnPostChanged(bool changed);
    // The caption the window shows when no automatic run is active.
    QString appCaption() const override { return m_appCaption; }
    const EditHistory &history() const { return m_history; }

    // The value behind Web entry `index` (mnuWebURL(index)); WuxoError 9 when
    // there is no such entry. Entry 0 always exists, with an empty value until
    // web.txt gives it one.
    QString webEntryValue(int index) const;
    QString insertEntryValue(int index) const;

    // Where the controls are, in the client area; the embedded browser takes
    // the editor's place.
    MainGeometry layoutGeometry() const { return m_geometry; }
    // The preview's browser; its view exists only after the first integrated preview.
    PreviewBrowser *previewBrowser() const { return m_preview; }

    // The window's outer size in twips, 15 to a logical pixel.
    QSizeF outerSizeTwips() const;
    void setOuterSizeTwips(float width, float height);

    // The desktop session saves itself, at its end or at a checkpoint
    // (frmmain_recovery.cpp): the post goes to the recovery file at once and,
    // when the session lets the program ask, the close question may save it
    // or cancel the end. The window stays open either way.
    void commitData(SessionEndRequest &request);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // One row of the menu table (frmmain_menus.cpp).
    struct MenuCommand;
    static const QList<MenuCommand> &menuCommands();

    // Window
    void mnuFileExit_Click();

    // Edit history and Edit menu (frmmain_edit.cpp)
    void txtPost_Change();
    void txtPost_KeyDown(int key);
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditPasteBBCode_Click();
    void mnuEditSelectAll_Click();
    void mnuEditClearAll_Click();

    // Drafts. Save answers whether the draft is on disk (a failure is reported).
    bool mnuFileSaveDraft_Click();
    void mnuFileLoadDraft_Click();

    // Insert and Web menus (frmmain_usermenus.cpp)
    void mnuInsertUser_Click(int index);
    void mnuWebURL_Click(int index);

    void mnuHelpAbout_Click();

    // Copy, preview and preferences (frmmain_commands.cpp)
    void cmdCopy_Click();
    void cmdPreview_Click();
    void mnuFilePrefs_Click();
    void warnPostTooShort();
    // The page shows in the window's browser in place of the editor, or the
    // editor is back; the preview button's caption says which comes next.
    void showPreviewState(bool previewing);

    // frmmain_build.cpp and frmmain_menus.cpp
    void buildControls();
    void buildMenus();
    void connectControls();

    // frmmain.cpp
    void Form_Load();
    void applyBranding();
    void readPreferences();
    bool Form_QueryUnload();
    void Form_Unload();
    void Form_Resize();
    void applyGeometry();
    void resizeToOuterSize();
    void centreOnScreen();

    // frmmain_usermenus.cpp
    void buildUserMenu(UserMenuFile::Menu which, QMenu *menu, QList<QAction *> &items,
                       void (frmMain::*clicked)(int));
    void addUserEntry(UserMenuFile::Menu which, QMenu *menu, QList<QAction *> &items, int number,
                      const UserMenuEntry &entry, void (frmMain::*clicked)(int));

    // frmmain_generatorhost.cpp: what the post generator asks of the window
    QString postText() const override;
    void clearPost() override;
    void moveCaretToEnd() override;
    void replaceSelection(const QString &text) override;
    void setCaption(const QString &text) override;
    void setAutoCaptions(bool running) override;
    void restoreWindowState() override;
    QWidget *hostWindow() const override;

    // frmmain_edit.cpp
    void showEditMenu(const QPoint &globalPos, int position);
    void restoreSnapshot(const QString &text);
    void markChangedIfNotEmpty();
    void deleteWordBeforeCaret();

    // frmmain_recovery.cpp
    void setUpRecovery();
    void postStateChanged();
    void offerRecovery();

    // Controls, by their design names.
    SkinPanel *picContainer = nullptr;
    std::array<SkinShape *, 2> shpHeaders{};
    std::array<SkinLabel *, 3> lblHeaders{};
    SkinLine *Line1 = nullptr;
    SkinButton *cmdBold = nullptr;
    SkinButton *cmdItalic = nullptr;
    SkinButton *cmdUnderlined = nullptr;
    QComboBox *cmbFont = nullptr;
    QComboBox *cmbSize = nullptr;
    QComboBox *cmbColor = nullptr;
    SkinButton *cmdNewsManual = nullptr;
    SkinButton *cmdNewsAuto = nullptr;
    SkinButton *cmdURL = nullptr;
    SkinButton *cmdImage = nullptr;
    SkinButton *cmdEmail = nullptr;
    SkinButton *cmdQuote = nullptr;
    SkinButton *cmdCode = nullptr;
    SkinButton *cmdList = nullptr;
    PostEdit *txtPost = nullptr;
    PostLengthLabel *lblLength = nullptr;
    SkinShape *shpButtons = nullptr;
    SkinButton *cmdCopy = nullptr;
    SkinButton *cmdPreview = nullptr;
    // The embedded browser's place: hidden and empty until the preview puts its
    // view inside (it has a layout that fills it).
    QWidget *WebBrowser = nullptr;

    // The menu entries the window changes after building them; the others are
    // only in the command table.
    QMenu *mnuFile = nullptr;
    QAction *mnuFileLoadDraft = nullptr;
    QAction *mnuFileSaveDraft = nullptr;
    QAction *mnuFileNewsManual = nullptr;
    QAction *mnuFileNewsAuto = nullptr;
    QAction *mnuFileLine3 = nullptr;
    QAction *mnuFilePrefs = nullptr;
    QAction *mnuFileLine1 = nullptr;
    QMenu *mnuFileAdv = nullptr;
    QAction *mnuFileLine2 = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuInsert = nullptr;
    QList<QAction *> mnuInsertUser;
    QMenu *mnuWeb = nullptr;
    QList<QAction *> mnuWebURL;
    QMenu *mnuView = nullptr;
    QMenu *mnuViewTargetForum = nullptr;
    QAction *mnuViewLivePreview = nullptr;
    QAction *mnuViewFollowCaret = nullptr;

    EditHistory m_history;
    PostGenerator *m_postGenerator = nullptr;
    TagCommands *m_tags = nullptr;
    HelpCommands *m_help = nullptr;
    DataFileCommands *m_dataFiles = nullptr;
    EditorDecorations *m_decorations = nullptr;
    TagLayer *m_tagLayer = nullptr;
    ForumCommands *m_forums = nullptr;
    SpellingCommands *m_spelling = nullptr;
    FindCommands *m_find = nullptr;
    PreviewBrowser *m_preview = nullptr;
    LivePreview *m_live = nullptr;
    PostRecovery *m_recovery = nullptr;
    MainGeometry m_geometry;
    QString m_appCaption;
    bool m_postChanged = false;
    bool m_restoring = false; // blnRestoring
    bool m_previewing = false;
    bool m_refused = false;
    bool m_centred = false;
    bool m_closing = false;
    QSize m_outerSize;
    bool m_outerSizePending = false;
};
