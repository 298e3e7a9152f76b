// The main window's controls and menus as designed: positions in pixels on
// picContainer, captions, fonts, design colours and skin roles.
#include "frmmain.h"

#include "app/ui/postedit.h"
#include "foundation/skin.h"
#include "markup/taglayer.h"
#include "widgets/editordecorations.h"
#include "widgets/postlengthlabel.h"
#include "widgets/skinwidgets.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

QFont verdana(double points, bool bold = false, bool italic = false, bool underline = false)
{
    QFont font(QString::fromUtf16(Design::fontFamily));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

const QFont &buttonFont()
{
    static const QFont font = verdana(Design::fontPoints);
    return font;
}

void setTag(QObject *control, const char *role)
{
    control->setProperty(Skin::tagProperty, QString::fromLatin1(role));
}

SkinButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &at,
                       const QFont &font, const char *role)
{
    auto *button = new SkinButton(caption, parent);
    // Screen readers name the button by its caption, also when the caption changes.
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(at);
    button->setFont(font);
    setTag(button, role);
    return button;
}

SkinLabel *makeHeader(QWidget *parent, const QString &name, const QString &caption, const QRect &at)
{
    auto *label = new SkinLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(at);
    label->setFont(verdana(Design::fontPoints, true));
    label->setForeColor(Design::headerText);
    setTag(label, "SkinHeaderF");
    label->widenToCaption();
    return label;
}

SkinShape *makeBand(QWidget *parent, const QString &name, const QRect &at, qint32 fill)
{
    auto *band = new SkinShape(parent);
    band->setObjectName(name);
    band->setGeometry(at);
    band->setBackColor(fill);
    band->setBorderColor(Design::outline);
    return band;
}

QComboBox *makeList(QWidget *parent, const char *name, const QStringList &items, const QRect &at)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(items.constFirst());
    list->addItems(items);
    list->setGeometry(at);
    return list;
}

QAction *makeItem(QMenu *menu, const char *name, const QString &caption,
                  const QKeySequence &shortcut = {})
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(shortcut);
    return item;
}

QAction *makeSeparator(QMenu *menu, const char *name)
{
    QAction *line = menu->addSeparator();
    line->setObjectName(QString::fromLatin1(name));
    return line;
}

QMenu *makeMenu(QMenu *parent, const char *name, const QString &caption)
{
    QMenu *menu = parent->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu *makeMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void frmMain::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    picContainer = new SkinPanel(client);
    picContainer->setObjectName(QStringLiteral("picContainer"));
    picContainer->setBackColor(Design::surface);
    picContainer->setForeColor(Design::surfaceText);
    setTag(picContainer, "SkinBackgroundB");
    QWidget *pic = picContainer;

    shpHeaders[0]
        = makeBand(pic, QStringLiteral("shpHeaders(0)"), m_geometry.shpHeaders0, Design::header);
    setTag(shpHeaders[0], "SkinHeader");
    lblHeaders[0] = makeHeader(pic, QStringLiteral("lblHeaders(0)"), QStringLiteral("Code Buttons"),
                               QRect(5, 6, 85, 13));
    lblHeaders[2] = makeHeader(pic, QStringLiteral("lblHeaders(2)"),
                               QStringLiteral("Post Generator"), QRect(355, 6, 98, 13));

    Line1 = new SkinLine(pic);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(347, 0, 1, 87);
    Line1->setBorderColor(Design::outline);
    setTag(Line1, "SkinOutline");

    cmdBold = makeButton(pic, "cmdBold", QStringLiteral("B"), QRect(5, 31, 29, 22),
                         verdana(Design::fontPoints, true), "SkinBackgroundB");
    cmdItalic = makeButton(pic, "cmdItalic", QStringLiteral("I"), QRect(36, 31, 29, 22),
                           verdana(Design::fontPoints, false, true), "SkinBackgroundB");
    cmdUnderlined = makeButton(pic, "cmdUnderlined", QStringLiteral("U"), QRect(67, 31, 29, 22),
                               verdana(Design::fontPoints, false, false, true), "SkinBackgroundB");

    cmbFont = makeList(pic, "cmbFont",
                       {QStringLiteral("Font"), QStringLiteral("Arial"), QStringLiteral("Times"),
                        QStringLiteral("Courier"), QStringLiteral("Impact"),
                        QStringLiteral("Geneva"), QStringLiteral("Optima")},
                       QRect(101, 32, 76, 21));
    cmbSize = makeList(pic, "cmbSize",
                       {QStringLiteral("Size"), QStringLiteral("Small"), QStringLiteral("Large"),
                        QStringLiteral("Largest")},
                       QRect(181, 32, 76, 21));
    cmbColor = makeList(pic, "cmbColor",
                        {QStringLiteral("Color"), QStringLiteral("Blue"), QStringLiteral("Red"),
                         QStringLiteral("Purple"), QStringLiteral("Orange"),
                         QStringLiteral("Yellow"), QStringLiteral("Gray"), QStringLiteral("Green")},
                        QRect(261, 32, 76, 21));

    cmdNewsManual = makeButton(pic, "cmdNewsManual", QStringLiteral("Manual"),
                               QRect(355, 32, 65, 22), buttonFont(), "SkinBackgroundB");
    cmdNewsManual->setToolTip(QStringLiteral("Post generator (manual)"));
    cmdNewsAuto = makeButton(pic, "cmdNewsAuto", QStringLiteral("Auto"), QRect(422, 32, 65, 22),
                             buttonFont(), "SkinBackgroundB");
    cmdNewsAuto->setToolTip(QStringLiteral("Post generator (auto)"));

    cmdURL = makeButton(pic, "cmdURL", QStringLiteral("URL"), QRect(5, 60, 54, 22), buttonFont(),
                        "SkinBackgroundB");
    cmdImage = makeButton(pic, "cmdImage", QStringLiteral("Image"), QRect(61, 60, 54, 22),
                          buttonFont(), "SkinBackgroundB");
    cmdEmail = makeButton(pic, "cmdEmail", QStringLiteral("E-mail"), QRect(117, 60, 54, 22),
                          buttonFont(), "SkinBackgroundB");
    cmdQuote = makeButton(pic, "cmdQuote", QStringLiteral("Quote"), QRect(173, 60, 54, 22),
                          buttonFont(), "SkinBackgroundB");
    cmdCode = makeButton(pic, "cmdCode", QStringLiteral("Code"), QRect(229, 60, 54, 22),
                         buttonFont(), "SkinBackgroundB");
    cmdList = makeButton(pic, "cmdList", QStringLiteral("List"), QRect(285, 60, 54, 22),
                         buttonFont(), "SkinBackgroundB");

    shpHeaders[1]
        = makeBand(pic, QStringLiteral("shpHeaders(1)"), m_geometry.shpHeaders1, Design::header);
    setTag(shpHeaders[1], "SkinHeader");
    lblHeaders[1] = makeHeader(pic, QStringLiteral("lblHeaders(1)"), QStringLiteral("Post Editor"),
                               QRect(5, 93, 71, 13));

    txtPost = new PostEdit(pic);
    txtPost->setObjectName(QStringLiteral("txtPost"));
    txtPost->setAccessibleName(QStringLiteral("Post Editor"));
    txtPost->setFont(verdana(9));
    setTag(txtPost, "SkinTextArea");
    m_decorations = new EditorDecorations(txtPost);
    m_decorations->addLayer(new TagLayer);
    lblLength = new PostLengthLabel(txtPost, pic);
    lblLength->setObjectName(QStringLiteral("lblLength"));
    lblLength->setFont(verdana(Design::fontPoints));
    lblLength->setForeColor(Design::headerText);
    setTag(lblLength, "SkinHeaderF");

    shpButtons
        = makeBand(pic, QStringLiteral("shpButtons"), m_geometry.shpButtons, Design::buttonArea);
    setTag(shpButtons, "SkinButton");

    cmdCopy = makeButton(pic, "cmdCopy", QStringLiteral("Copy Post"), m_geometry.cmdCopy,
                         buttonFont(), "SkinButtonB");
    cmdCopy->setToolTip(QStringLiteral("Copy post to the clipboard"));
    cmdCopy->setBackColor(Design::header);
    cmdPreview = makeButton(pic, "cmdPreview", QStringLiteral("Preview Post"),
                            m_geometry.cmdPreview, buttonFont(), "SkinButtonB");
    cmdPreview->setBackColor(Design::header);

    // The labels lie over their bands.
    for (SkinLabel *label : lblHeaders)
        label->raise();
    Line1->raise();

    WebBrowser = new QWidget(client);
    WebBrowser->setObjectName(QStringLiteral("WebBrowser"));
    auto *browserLayout = new QVBoxLayout(WebBrowser);
    browserLayout->setContentsMargins(0, 0, 0, 0);
    WebBrowser->hide();
    WebBrowser->raise();

    client->installEventFilter(this);
}

void frmMain::buildMenus()
{
    QMenuBar *bar = menuBar();

    mnuFile = makeMenu(bar, "mnuFile", QStringLiteral("Wuxo"));
    mnuFileLoadDraft = makeItem(mnuFile, "mnuFileLoadDraft", QStringLiteral("Open Draft"),
                                QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileLoadDraft->setEnabled(false);
    mnuFileSaveDraft = makeItem(mnuFile, "mnuFileSaveDraft", QStringLiteral("Save Draft"),
                                QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveDraft->setEnabled(false);
    mnuFileLine4 = makeSeparator(mnuFile, "mnuFileLine4");
    mnuFileNewsManual
        = makeItem(mnuFile, "mnuFileNewsManual", QStringLiteral("Post Generator (Manual)"));
    mnuFileNewsAuto = makeItem(mnuFile, "mnuFileNewsAuto", QStringLiteral("Post Generator (Auto)"));
    mnuFileLine3 = makeSeparator(mnuFile, "mnuFileLine3");
    mnuFilePrefs = makeItem(mnuFile, "mnuFilePrefs", QStringLiteral("Preferences"));
    mnuFileLine1 = makeSeparator(mnuFile, "mnuFileLine1");
    mnuFileAdv = makeMenu(mnuFile, "mnuFileAdv", QStringLiteral("Advanced"));
    mnuFileAdvEditInsert
        = makeItem(mnuFileAdv, "mnuFileAdvEditInsert", QStringLiteral("Edit insert.txt"));
    mnuFileAdvEditWeb = makeItem(mnuFileAdv, "mnuFileAdvEditWeb", QStringLiteral("Edit web.txt"));
    mnuFileAdvEditTemplate
        = makeItem(mnuFileAdv, "mnuFileAdvEditTemplate", QStringLiteral("Edit template.txt"));
    mnuFileAdvEditTags
        = makeItem(mnuFileAdv, "mnuFileAdvEditTags", QStringLiteral("Edit tags.txt"));
    mnuFileAdvEditPreview
        = makeItem(mnuFileAdv, "mnuFileAdvEditPreview", QStringLiteral("Edit preview.txt"));
    mnuFileLine2 = makeSeparator(mnuFile, "mnuFileLine2");
    mnuFileExit = makeItem(mnuFile, "mnuFileExit", QStringLiteral("Exit"));

    mnuEdit = makeMenu(bar, "mnuEdit", QStringLiteral("Edit"));
    mnuEditUndo = makeItem(mnuEdit, "mnuEditUndo", QStringLiteral("Undo"),
                           QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = makeItem(mnuEdit, "mnuEditRedo", QStringLiteral("Redo"),
                           QKeySequence(Qt::CTRL | Qt::Key_Y));
    mnuEditLine1 = makeSeparator(mnuEdit, "mnuEditLine1");
    mnuEditCut = makeItem(mnuEdit, "mnuEditCut", QStringLiteral("Cut"),
                          QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuEditCopy = makeItem(mnuEdit, "mnuEditCopy", QStringLiteral("Copy"),
                           QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditPaste = makeItem(mnuEdit, "mnuEditPaste", QStringLiteral("Paste"),
                            QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuEditPasteBBCode = makeItem(mnuEdit, "mnuEditPasteBBCode", tr("Paste as BBCode"),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    mnuEditLine2 = makeSeparator(mnuEdit, "mnuEditLine2");
    mnuEditSelectAll = makeItem(mnuEdit, "mnuEditSelectAll", QStringLiteral("Select All"),
                                QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuEditClearAll = makeItem(mnuEdit, "mnuEditClearAll", QStringLiteral("Clear All"),
                               QKeySequence(Qt::CTRL | Qt::Key_D));

    // The user's menus: hidden, with an empty first entry, until their files fill them.
    mnuInsert = makeMenu(bar, "mnuInsert", QStringLiteral("Insert"));
    mnuInsert->menuAction()->setVisible(false);
    mnuInsertUser.append(
        makeItem(mnuInsert, "mnuInsertUser(0)", QString(), QKeySequence(Qt::CTRL | Qt::Key_N)));
    // A hidden menu's shortcut would still fire.
    mnuInsertUser[0]->setEnabled(false);
    mnuWeb = makeMenu(bar, "mnuWeb", QStringLiteral("Web"));
    mnuWeb->menuAction()->setVisible(false);
    mnuWebURL.append(makeItem(mnuWeb, "mnuWebURL(0)", QString()));

    mnuHelp = makeMenu(bar, "mnuHelp", QStringLiteral("Help"));
    mnuHelpReadMe = makeItem(mnuHelp, "mnuHelpReadMe", QStringLiteral("Read Me"));
    makeSeparator(mnuHelp, "mnuHelpLine1");
    mnuHelpUpdate = makeItem(mnuHelp, "mnuHelpUpdate", QStringLiteral("Check for Update"));
    mnuHelpWeb = makeMenu(mnuHelp, "mnuHelpWeb", QStringLiteral("Quorvel on the Web"));
    mnuHelpWebQuorvel
        = makeItem(mnuHelpWeb, "mnuHelpWebQuorvel", QStringLiteral("Quorvel Website"));
    mnuHelpWebForums = makeItem(mnuHelpWeb, "mnuHelpWebForums", QStringLiteral("Quorvel Forums"));
    mnuHelpWebEmail = makeItem(mnuHelpWeb, "mnuHelpWebEmail", QStringLiteral("E-mail Quorvel"));
    makeSeparator(mnuHelp, "mnuHelpLine2");
    mnuHelpDonate = makeItem(mnuHelp, "mnuHelpDonate", QStringLiteral("Donate!"));
    mnuHelpAbout = makeItem(mnuHelp, "mnuHelpAbout", QStringLiteral("About..."));
}

void frmMain::connectControls()
{
    connect(mnuFileLoadDraft, &QAction::triggered, this, &frmMain::mnuFileLoadDraft_Click);
    connect(mnuFileSaveDraft, &QAction::triggered, this, &frmMain::mnuFileSaveDraft_Click);
    connect(mnuFileNewsManual, &QAction::triggered, this, &frmMain::mnuFileNewsManual_Click);
    connect(mnuFileNewsAuto, &QAction::triggered, this, &frmMain::mnuFileNewsAuto_Click);
    connect(mnuFilePrefs, &QAction::triggered, this, &frmMain::mnuFilePrefs_Click);
    connect(mnuFileAdvEditInsert, &QAction::triggered, this, &frmMain::mnuFileAdvEditInsert_Click);
    connect(mnuFileAdvEditWeb, &QAction::triggered, this, &frmMain::mnuFileAdvEditWeb_Click);
    connect(mnuFileAdvEditTemplate, &QAction::triggered, this,
            &frmMain::mnuFileAdvEditTemplate_Click);
    connect(mnuFileAdvEditTags, &QAction::triggered, this, &frmMain::mnuFileAdvEditTags_Click);
    connect(mnuFileAdvEditPreview, &QAction::triggered, this,
            &frmMain::mnuFileAdvEditPreview_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);

    connect(mnuEditUndo, &QAction::triggered, this, &frmMain::mnuEditUndo_Click);
    connect(mnuEditRedo, &QAction::triggered, this, &frmMain::mnuEditRedo_Click);
    connect(mnuEditCut, &QAction::triggered, this, &frmMain::mnuEditCut_Click);
    connect(mnuEditCopy, &QAction::triggered, this, &frmMain::mnuEditCopy_Click);
    connect(mnuEditPaste, &QAction::triggered, this, &frmMain::mnuEditPaste_Click);
    connect(mnuEditPasteBBCode, &QAction::triggered, this, &frmMain::mnuEditPasteBBCode_Click);
    connect(mnuEditSelectAll, &QAction::triggered, this, &frmMain::mnuEditSelectAll_Click);
    connect(mnuEditClearAll, &QAction::triggered, this, &frmMain::mnuEditClearAll_Click);

    connect(mnuInsertUser[0], &QAction::triggered, this, [this] { mnuInsertUser_Click(0); });
    connect(mnuWebURL[0], &QAction::triggered, this, [this] { mnuWebURL_Click(0); });

    connect(mnuHelpReadMe, &QAction::triggered, this, &frmMain::mnuHelpReadMe_Click);
    connect(mnuHelpUpdate, &QAction::triggered, this, &frmMain::mnuHelpUpdate_Click);
    connect(mnuHelpWebQuorvel, &QAction::triggered, this, &frmMain::mnuHelpWebQuorvel_Click);
    connect(mnuHelpWebForums, &QAction::triggered, this, &frmMain::mnuHelpWebForums_Click);
    connect(mnuHelpWebEmail, &QAction::triggered, this, &frmMain::mnuHelpWebEmail_Click);
    connect(mnuHelpDonate, &QAction::triggered, this, &frmMain::mnuHelpDonate_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);

    connect(txtPost, &QPlainTextEdit::textChanged, this, &frmMain::txtPost_Change);
    connect(txtPost, &PostEdit::ctrlKeyDown, this, &frmMain::txtPost_KeyDown);
    connect(txtPost, &PostEdit::contextMenuRequested, this, &frmMain::showEditMenu);

    connect(cmdBold, &QPushButton::clicked, this, &frmMain::cmdBold_Click);
    connect(cmdItalic, &QPushButton::clicked, this, &frmMain::cmdItalic_Click);
    connect(cmdUnderlined, &QPushButton::clicked, this, &frmMain::cmdUnderlined_Click);
    connect(cmdURL, &QPushButton::clicked, this, &frmMain::cmdURL_Click);
    connect(cmdImage, &QPushButton::clicked, this, &frmMain::cmdImage_Click);
    connect(cmdEmail, &QPushButton::clicked, this, &frmMain::cmdEmail_Click);
    connect(cmdQuote, &QPushButton::clicked, this, &frmMain::cmdQuote_Click);
    connect(cmdCode, &QPushButton::clicked, this, &frmMain::cmdCode_Click);
    connect(cmdList, &QPushButton::clicked, this, &frmMain::cmdList_Click);
    // The three lists run their commands through the tag commands, on every choice.
    connect(cmdCopy, &QPushButton::clicked, this, &frmMain::cmdCopy_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &frmMain::cmdPreview_Click);
    connect(cmdNewsManual, &QPushButton::clicked, this, &frmMain::cmdNewsManual_Click);
    connect(cmdNewsAuto, &QPushButton::clicked, this, &frmMain::cmdNewsAuto_Click);
}
