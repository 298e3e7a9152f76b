// The main window's menus as one table, in menu order: the menu bar is built
// from its rows and each entry is connected to the handler of its row.
#include "frmmain.h"

#include "app/ui/datafilecommands.h"
#include "dialogs/ui/helpcommands.h"
#include "markup/ui/tagcommands.h"
#include "postgen/ui/postgenerator.h"
#include "widgets/postedit.h"
#include "widgets/skinwidgets.h"

#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

struct frmMain::MenuCommand
{
    enum Kind { Item, Separator, Menu, UserEntry };
    // The entry as designed; flags.
    enum State { Shown = 0, Disabled = 1, Hidden = 2 };

    Kind kind = Item;
    const char *parent = nullptr; // the menu's object name; none for the menu bar
    const char *name = nullptr;   // the entry's object name, also its menu's
    const char *caption = nullptr;
    QKeySequence shortcut = {};
    void (*run)(frmMain &) = nullptr;
    int state = Shown;
    // Where the window keeps the entry it changes after the start.
    QAction *frmMain::*item = nullptr;
    QMenu *frmMain::*menu = nullptr;
    // A user menu's first entry: the list of its entries and their handler.
    QList<QAction *> frmMain::*entries = nullptr;
    void (frmMain::*entryClicked)(int) = nullptr;
};

const QList<frmMain::MenuCommand> &frmMain::menuCommands()
{
    using C = MenuCommand;
    static const QList<MenuCommand> table{
        {
            .kind = C::Menu,
            .name = "mnuFile",
            .caption = QT_TR_NOOP("Wuxo"),
            .menu = &frmMain::mnuFile,
        },
        {
            .parent = "mnuFile",
            .name = "mnuFileLoadDraft",
            .caption = QT_TR_NOOP("Open Draft"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_O),
            .run = [](frmMain &w) { w.mnuFileLoadDraft_Click(); },
            .state = C::Disabled,
            .item = &frmMain::mnuFileLoadDraft,
        },
        {
            .parent = "mnuFile",
            .name = "mnuFileSaveDraft",
            .caption = QT_TR_NOOP("Save Draft"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_S),
            .run = [](frmMain &w) { w.mnuFileSaveDraft_Click(); },
            .state = C::Disabled,
            .item = &frmMain::mnuFileSaveDraft,
        },
        {.kind = C::Separator, .parent = "mnuFile", .name = "mnuFileLine4"},
        {
            .parent = "mnuFile",
            .name = "mnuFileNewsManual",
            .caption = QT_TR_NOOP("Post Generator (Manual)"),
            .run = [](frmMain &w) { w.m_postGenerator->mnuFileNewsManual_Click(); },
            .item = &frmMain::mnuFileNewsManual,
        },
        {
            .parent = "mnuFile",
            .name = "mnuFileNewsAuto",
            .caption = QT_TR_NOOP("Post Generator (Auto)"),
            .run = [](frmMain &w) { w.m_postGenerator->mnuFileNewsAuto_Click(); },
            .item = &frmMain::mnuFileNewsAuto,
        },
        {
            .kind = C::Separator,
            .parent = "mnuFile",
            .name = "mnuFileLine3",
            .item = &frmMain::mnuFileLine3,
        },
        {
            .parent = "mnuFile",
            .name = "mnuFilePrefs",
            .caption = QT_TR_NOOP("Preferences"),
            .run = [](frmMain &w) { w.mnuFilePrefs_Click(); },
            .item = &frmMain::mnuFilePrefs,
        },
        {
            .kind = C::Separator,
            .parent = "mnuFile",
            .name = "mnuFileLine1",
            .item = &frmMain::mnuFileLine1,
        },
        {
            .kind = C::Menu,
            .parent = "mnuFile",
            .name = "mnuFileAdv",
            .caption = QT_TR_NOOP("Advanced"),
            .menu = &frmMain::mnuFileAdv,
        },
        {
            .parent = "mnuFileAdv",
            .name = "mnuFileAdvEditInsert",
            .caption = QT_TR_NOOP("Edit insert.txt"),
            .run = [](frmMain &w) { w.m_dataFiles->mnuFileAdvEditInsert_Click(); },
        },
        {
            .parent = "mnuFileAdv",
            .name = "mnuFileAdvEditWeb",
            .caption = QT_TR_NOOP("Edit web.txt"),
            .run = [](frmMain &w) { w.m_dataFiles->mnuFileAdvEditWeb_Click(); },
        },
        {
            .parent = "mnuFileAdv",
            .name = "mnuFileAdvEditTemplate",
            .caption = QT_TR_NOOP("Edit template.txt"),
            .run = [](frmMain &w) { w.m_dataFiles->mnuFileAdvEditTemplate_Click(); },
        },
        {
            .parent = "mnuFileAdv",
            .name = "mnuFileAdvEditTags",
            .caption = QT_TR_NOOP("Edit tags.txt"),
            .run = [](frmMain &w) { w.m_dataFiles->mnuFileAdvEditTags_Click(); },
        },
        {
            .parent = "mnuFileAdv",
            .name = "mnuFileAdvEditPreview",
            .caption = QT_TR_NOOP("Edit preview.txt"),
            .run = [](frmMain &w) { w.m_dataFiles->mnuFileAdvEditPreview_Click(); },
        },
        {
            .parent = "mnuFileAdv",
            .name = "mnuFileAdvEditForums",
            .caption = QT_TR_NOOP("Edit forums.txt"),
            .run = [](frmMain &w) { w.m_dataFiles->mnuFileAdvEditForums_Click(); },
        },
        {
            .kind = C::Separator,
            .parent = "mnuFile",
            .name = "mnuFileLine2",
            .item = &frmMain::mnuFileLine2,
        },
        {
            .parent = "mnuFile",
            .name = "mnuFileExit",
            .caption = QT_TR_NOOP("Exit"),
            .run = [](frmMain &w) { w.mnuFileExit_Click(); },
        },

        {
            .kind = C::Menu,
            .name = "mnuEdit",
            .caption = QT_TR_NOOP("Edit"),
            .menu = &frmMain::mnuEdit,
        },
        {
            .parent = "mnuEdit",
            .name = "mnuEditUndo",
            .caption = QT_TR_NOOP("Undo"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_Z),
            .run = [](frmMain &w) { w.mnuEditUndo_Click(); },
        },
        {
            .parent = "mnuEdit",
            .name = "mnuEditRedo",
            .caption = QT_TR_NOOP("Redo"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_Y),
            .run = [](frmMain &w) { w.mnuEditRedo_Click(); },
        },
        {.kind = C::Separator, .parent = "mnuEdit", .name = "mnuEditLine1"},
        {
            .parent = "mnuEdit",
            .name = "mnuEditCut",
            .caption = QT_TR_NOOP("Cut"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_X),
            .run = [](frmMain &w) { w.mnuEditCut_Click(); },
        },
        {
            .parent = "mnuEdit",
            .name = "mnuEditCopy",
            .caption = QT_TR_NOOP("Copy"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_C),
            .run = [](frmMain &w) { w.mnuEditCopy_Click(); },
        },
        {
            .parent = "mnuEdit",
            .name = "mnuEditPaste",
            .caption = QT_TR_NOOP("Paste"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_V),
            .run = [](frmMain &w) { w.mnuEditPaste_Click(); },
        },
        {
            .parent = "mnuEdit",
            .name = "mnuEditPasteBBCode",
            .caption = QT_TR_NOOP("Paste as BBCode"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
            .run = [](frmMain &w) { w.mnuEditPasteBBCode_Click(); },
        },
        {.kind = C::Separator, .parent = "mnuEdit", .name = "mnuEditLine2"},
        {
            .parent = "mnuEdit",
            .name = "mnuEditSelectAll",
            .caption = QT_TR_NOOP("Select All"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_A),
            .run = [](frmMain &w) { w.mnuEditSelectAll_Click(); },
        },
        {
            .parent = "mnuEdit",
            .name = "mnuEditClearAll",
            .caption = QT_TR_NOOP("Clear All"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_D),
            .run = [](frmMain &w) { w.mnuEditClearAll_Click(); },
        },

        // The user's menus: hidden, with an empty first entry, until their files
        // fill them. A hidden menu's shortcut would still fire, so the entry is
        // disabled too.
        {
            .kind = C::Menu,
            .name = "mnuInsert",
            .caption = QT_TR_NOOP("Insert"),
            .state = C::Hidden,
            .menu = &frmMain::mnuInsert,
        },
        {
            .kind = C::UserEntry,
            .parent = "mnuInsert",
            .name = "mnuInsertUser(0)",
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_N),
            .state = C::Disabled,
            .entries = &frmMain::mnuInsertUser,
            .entryClicked = &frmMain::mnuInsertUser_Click,
        },
        {
            .kind = C::Menu,
            .name = "mnuWeb",
            .caption = QT_TR_NOOP("Web"),
            .state = C::Hidden,
            .menu = &frmMain::mnuWeb,
        },
        {
            .kind = C::UserEntry,
            .parent = "mnuWeb",
            .name = "mnuWebURL(0)",
            .entries = &frmMain::mnuWebURL,
            .entryClicked = &frmMain::mnuWebURL_Click,
        },

        // The views of the post; every entry starts as the window was designed.
        {
            .kind = C::Menu,
            .name = "mnuView",
            .caption = QT_TR_NOOP("View"),
            .menu = &frmMain::mnuView,
        },
        {.kind = C::Separator, .parent = "mnuView", .name = "mnuViewLine1"},
        // Filled by the forum commands from forums.txt.
        {
            .kind = C::Menu,
            .parent = "mnuView",
            .name = "mnuViewTargetForum",
            .caption = QT_TR_NOOP("Target Forum"),
            .menu = &frmMain::mnuViewTargetForum,
        },

        {.kind = C::Menu, .name = "mnuHelp", .caption = QT_TR_NOOP("Help")},
        {
            .parent = "mnuHelp",
            .name = "mnuHelpReadMe",
            .caption = QT_TR_NOOP("Read Me"),
            .run = [](frmMain &w) { w.m_help->mnuHelpReadMe_Click(); },
        },
        {.kind = C::Separator, .parent = "mnuHelp", .name = "mnuHelpLine1"},
        {
            .parent = "mnuHelp",
            .name = "mnuHelpUpdate",
            .caption = QT_TR_NOOP("Check for Update"),
            .run = [](frmMain &w) { w.m_help->mnuHelpUpdate_Click(); },
        },
        {
            .kind = C::Menu,
            .parent = "mnuHelp",
            .name = "mnuHelpWeb",
            .caption = QT_TR_NOOP("Quorvel on the Web"),
        },
        {
            .parent = "mnuHelpWeb",
            .name = "mnuHelpWebQuorvel",
            .caption = QT_TR_NOOP("Quorvel Website"),
            .run = [](frmMain &w) { w.m_help->mnuHelpWebQuorvel_Click(); },
        },
        {
            .parent = "mnuHelpWeb",
            .name = "mnuHelpWebForums",
            .caption = QT_TR_NOOP("Quorvel Forums"),
            .run = [](frmMain &w) { w.m_help->mnuHelpWebForums_Click(); },
        },
        {
            .parent = "mnuHelpWeb",
            .name = "mnuHelpWebEmail",
            .caption = QT_TR_NOOP("E-mail Quorvel"),
            .run = [](frmMain &w) { w.m_help->mnuHelpWebEmail_Click(); },
        },
        {.kind = C::Separator, .parent = "mnuHelp", .name = "mnuHelpLine2"},
        {
            .parent = "mnuHelp",
            .name = "mnuHelpDonate",
            .caption = QT_TR_NOOP("Donate!"),
            .run = [](frmMain &w) { w.m_help->mnuHelpDonate_Click(); },
        },
        {
            .parent = "mnuHelp",
            .name = "mnuHelpAbout",
            .caption = QT_TR_NOOP("About..."),
            .run = [](frmMain &w) { w.mnuHelpAbout_Click(); },
        },
    };
    return table;
}

void frmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    QHash<QByteArray, QMenu *> menus;
    for (const MenuCommand &row : menuCommands()) {
        const QString name = QString::fromLatin1(row.name);
        QMenu *parent = row.parent ? menus.value(row.parent) : nullptr;
        QAction *entry = nullptr;
        switch (row.kind) {
        case MenuCommand::Menu: {
            QMenu *menu = parent ? parent->addMenu(tr(row.caption)) : bar->addMenu(tr(row.caption));
            menu->setObjectName(name);
            menus.insert(row.name, menu);
            if (row.menu)
                this->*row.menu = menu;
            entry = menu->menuAction();
            break;
        }
        case MenuCommand::Separator:
            entry = parent->addSeparator();
            break;
        case MenuCommand::Item:
        case MenuCommand::UserEntry:
            entry = parent->addAction(row.caption ? tr(row.caption) : QString());
            entry->setShortcut(row.shortcut);
            break;
        }
        entry->setObjectName(name);
        entry->setEnabled(!(row.state & MenuCommand::Disabled));
        entry->setVisible(!(row.state & MenuCommand::Hidden));
        if (row.item)
            this->*row.item = entry;
        if (row.entries)
            (this->*row.entries).append(entry);
    }
}

void frmMain::connectControls()
{
    const QMenuBar *bar = menuBar();
    for (const MenuCommand &row : menuCommands()) {
        if (!row.run && !row.entryClicked)
            continue;
        QAction *entry = bar->findChild<QAction *>(QLatin1String(row.name));
        if (row.run) {
            const auto run = row.run;
            connect(entry, &QAction::triggered, this, [this, run] { run(*this); });
        } else {
            const auto clicked = row.entryClicked;
            connect(entry, &QAction::triggered, this, [this, clicked] { (this->*clicked)(0); });
        }
    }

    connect(txtPost, &QPlainTextEdit::textChanged, this, &frmMain::txtPost_Change);
    connect(txtPost, &PostEdit::ctrlKeyDown, this, &frmMain::txtPost_KeyDown);
    connect(txtPost, &PostEdit::contextMenuRequested, this, &frmMain::showEditMenu);

    connect(cmdBold, &QPushButton::clicked, m_tags, &TagCommands::cmdBold_Click);
    connect(cmdItalic, &QPushButton::clicked, m_tags, &TagCommands::cmdItalic_Click);
    connect(cmdUnderlined, &QPushButton::clicked, m_tags, &TagCommands::cmdUnderlined_Click);
    connect(cmdURL, &QPushButton::clicked, m_tags, &TagCommands::cmdURL_Click);
    connect(cmdImage, &QPushButton::clicked, m_tags, &TagCommands::cmdImage_Click);
    connect(cmdEmail, &QPushButton::clicked, m_tags, &TagCommands::cmdEmail_Click);
    connect(cmdQuote, &QPushButton::clicked, m_tags, &TagCommands::cmdQuote_Click);
    connect(cmdCode, &QPushButton::clicked, m_tags, &TagCommands::cmdCode_Click);
    connect(cmdList, &QPushButton::clicked, m_tags, &TagCommands::cmdList_Click);
    // The three lists run their commands through the tag commands, on every choice.
    m_tags->attachLists(cmbFont, cmbSize, cmbColor);
    connect(cmdCopy, &QPushButton::clicked, this, &frmMain::cmdCopy_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &frmMain::cmdPreview_Click);
    connect(cmdNewsManual, &QPushButton::clicked, m_postGenerator,
            &PostGenerator::mnuFileNewsManual_Click);
    connect(cmdNewsAuto, &QPushButton::clicked, m_postGenerator,
            &PostGenerator::mnuFileNewsAuto_Click);
}
