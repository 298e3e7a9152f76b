#include "frmmain.h"

#include "app/closequestion.h"
#include "app/ui/datafilecommands.h"
#include "dialogs/ui/helpcommands.h"
#include "find/ui/findcommands.h"
#include "forums/ui/forumcommands.h"
#include "foundation/clsinifile.h"
#include "foundation/datafolder.h"
#include "foundation/errorreport.h"
#include "foundation/platform.h"
#include "foundation/preferences.h"
#include "foundation/skin.h"
#include "livepreview/ui/livepreview.h"
#include "markup/ui/tagcommands.h"
#include "postgen/ui/postgenerator.h"
#include "preview/ui/previewbrowser.h"
#include "recovery/draftfile.h"
#include "recovery/postrecovery.h"
#include "spelling/ui/spellingcommands.h"
#include "widgets/postedit.h"
#include "widgets/postlengthlabel.h"
#include "widgets/skinwidgets.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

const QString applicationTitle = QStringLiteral("Wuxo");

// Logical pixels the window system accepts for a window side.
constexpr double largestSide = 32767;

int twipsToPixels(float twips)
{
    const double pixels = double(twips) / PrefsFile::twipsPerPixel;
    if (std::isnan(pixels) || pixels < 0)
        throw WuxoError(ErrorNumber::InvalidPropertyValue);
    if (pixels > largestSide)
        throw WuxoError(ErrorNumber::Overflow);
    return int(std::lround(pixels));
}

} // namespace

frmMain::frmMain(QWidget *parent) : QMainWindow(parent), m_geometry(MainGeometry::design())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(PrefsFile::productCaption());
    buildControls();
    buildMenus();
    m_postGenerator = new PostGenerator(this, this);
    m_tags = new TagCommands(txtPost, this);
    m_help = new HelpCommands(this);
    m_dataFiles = new DataFileCommands(this);
    connectControls();
    m_spelling = new SpellingCommands(txtPost, m_decorations, mnuEdit, this);
    m_forums = new ForumCommands(mnuViewTargetForum, m_tagLayer, lblLength, this);
    m_preview = new PreviewBrowser(WebBrowser, this);
    m_live = new LivePreview(
        txtPost, lblHeaders[1], lblLength, m_preview, mnuViewLivePreview, mnuViewFollowCaret,
        [this] { applyGeometry(); }, this);
    m_find = new FindCommands(txtPost, m_decorations, m_preview, centralWidget(), this);
    connect(m_find, &FindCommands::barChanged, this, &frmMain::applyGeometry);
    setUpRecovery();
    applyGeometry();
    const WindowSize designSize;
    setOuterSizeTwips(designSize.width, designSize.height);
    Form_Load();
    if (!m_refused)
        qApp->installEventFilter(this);
    txtPost->setFocus();
}

frmMain::~frmMain() = default;

EditorText frmMain::post() const
{
    return EditorText(txtPost);
}

void frmMain::Form_Load()
{
    runTrapped(QStringLiteral("Main.Load"), [this] {
        if (!Platform::instanceLock().tryAcquire()) {
            Platform::prompts().messageBox(
                tr("%1 is already running. Please close the other instance before starting %1 "
                   "again.")
                    .arg(applicationTitle),
                tr("%1 Error").arg(applicationTitle), MessageIcon::Exclamation, MessageButtons::Ok);
            m_refused = true;
            return;
        }
        DataFolder::ensure();
        objPrefs().setFile(DataFolder::filePath(QStringLiteral("prefs.txt")));

        cmbFont->setCurrentIndex(0);
        cmbSize->setCurrentIndex(0);
        cmbColor->setCurrentIndex(0);
        m_history.reset();

        applyBranding();
        const WindowSize size = PrefsFile::readVisual(objPrefs());
        setOuterSizeTwips(size.width, size.height);
        readPreferences();
        ApplySkin(this);
        m_spelling->start();
        m_forums->start();
        m_live->start();

        buildUserMenu(UserMenuFile::Menu::Insert, mnuInsert, mnuInsertUser,
                      &frmMain::mnuInsertUser_Click);
        buildUserMenu(UserMenuFile::Menu::Web, mnuWeb, mnuWebURL, &frmMain::mnuWebURL_Click);

        m_postChanged = false;
        if (FileExists(DraftFile::path()))
            mnuFileLoadDraft->setEnabled(true);
    });
}

void frmMain::applyBranding()
{
    const Branding branding = PrefsFile::readBranding(objPrefs());
    m_appCaption = branding.caption;
    setWindowTitle(m_appCaption);
    if (branding.disablePostGen) {
        mnuFileNewsAuto->setVisible(false);
        mnuFileNewsManual->setVisible(false);
        mnuFileLine3->setVisible(false);
        cmdNewsAuto->hide();
        cmdNewsManual->hide();
        Line1->hide();
        lblHeaders[2]->hide();
    }
    if (branding.disablePrefs) {
        mnuFilePrefs->setVisible(false);
        mnuFileLine1->setVisible(false);
    }
    if (branding.disableAdvanced) {
        mnuFileAdv->menuAction()->setVisible(false);
        mnuFileLine2->setVisible(false);
    }
}

void frmMain::readPreferences()
{
    // A colour missing from the file keeps the design's colour, which the controls
    // were built with.
    prefs() = Preferences();
    PrefsFile::readPreferences(objPrefs(), prefs());
}

QSizeF frmMain::outerSizeTwips() const
{
    const QSize outer = frameGeometry().size();
    return QSizeF(outer.width(), outer.height()) * PrefsFile::twipsPerPixel;
}

void frmMain::setOuterSizeTwips(float width, float height)
{
    const int pixelWidth = twipsToPixels(width);
    const int pixelHeight = twipsToPixels(height);
    m_outerSize = QSize(pixelWidth, pixelHeight);
    m_outerSizePending = true;
    resizeToOuterSize();
}

void frmMain::resizeToOuterSize()
{
    // The frame is known only once the desktop has framed the shown window.
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(m_outerSize - frame);
    if (isVisible() && !frame.isNull() && m_outerSizePending) {
        m_outerSizePending = false;
        centreOnScreen();
    }
}

void frmMain::centreOnScreen()
{
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void frmMain::mnuFileExit_Click()
{
    close();
}

bool frmMain::Form_QueryUnload()
{
    switch (CloseQuestion::ask(post().isEmpty(), m_postChanged)) {
    case CloseQuestion::Step::Stay:
        return false;
    case CloseQuestion::Step::SaveThenClose:
        // A draft that could not be saved keeps the window open: the post is not lost.
        if (!mnuFileSaveDraft_Click())
            return false;
        QCoreApplication::processEvents();
        return true;
    case CloseQuestion::Step::Close:
        break;
    }
    return true;
}

void frmMain::Form_Unload()
{
    if (!isMinimized()) {
        const QSizeF outer = outerSizeTwips();
        PrefsFile::writeVisual(objPrefs(), WindowSize{float(outer.width()), float(outer.height())});
    }
    m_postGenerator->closeAutoRun();
    qApp->removeEventFilter(this);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_refused) {
        event->accept();
        return;
    }
    // Saving in answer to the close question lets events run; a second close
    // request meanwhile waits for the first.
    if (m_closing || !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    m_closing = true;
    Form_Unload();
    m_closing = false;
    m_recovery->windowClosed();
    event->accept();
}

void frmMain::showEvent(QShowEvent *event)
{
    if (!m_centred && !event->spontaneous()) {
        m_centred = true;
        centreOnScreen();
        QTimer::singleShot(0, this, &frmMain::offerRecovery);
    }
    QMainWindow::showEvent(event);
}

void frmMain::moveEvent(QMoveEvent *event)
{
    if (m_outerSizePending && isVisible() && !(frameGeometry().size() - geometry().size()).isNull())
        resizeToOuterSize();
    QMainWindow::moveEvent(event);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1
        && static_cast<QWidget *>(watched)->window() == this) {
        m_help->mnuHelpReadMe_Click();
        return true;
    }
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::Form_Resize()
{
    if (isMinimized())
        return;
    const QWidget *client = centralWidget();
    m_geometry = MainLayout::resized(m_geometry, client->width(), client->height());
    applyGeometry();
}

void frmMain::applyGeometry()
{
    picContainer->setGeometry(m_geometry.picContainer);
    shpHeaders[0]->setGeometry(m_geometry.shpHeaders0);
    shpHeaders[1]->setGeometry(m_geometry.shpHeaders1);
    shpButtons->setGeometry(m_geometry.shpButtons);
    // An open find bar takes the foot of the editor's place.
    const int findBar = m_find
        ? m_find->placeBar(m_geometry.txtPost.translated(m_geometry.picContainer.topLeft()))
        : 0;
    QRect editor = m_geometry.txtPost;
    editor.setHeight(std::max(0, editor.height() - findBar));
    QRect browser = m_geometry.webBrowser;
    browser.setHeight(std::max(0, browser.height() - findBar));
    WebBrowser->setGeometry(browser);
    cmdCopy->setGeometry(m_geometry.cmdCopy);
    cmdPreview->setGeometry(m_geometry.cmdPreview);
    lblLength->setGeometry(m_geometry.lblLength);
    // The live preview, when shown, shares the editor's place with it.
    if (!m_live || !m_live->place(editor))
        txtPost->setGeometry(editor);
}
