// The File menu's data files, the Help menu, and the formatting, copy, preview,
// post generator and preferences commands.
#include "frmmain.h"

#include "app/ui/postedit.h"
#include "dialogs/helptargets.h"
#include "dialogs/ui/frmabout.h"
#include "dialogs/ui/frmprefs.h"
#include "foundation/datafolder.h"
#include "foundation/errorreport.h"
#include "foundation/platform.h"
#include "foundation/preferences.h"
#include "markup/copypost.h"
#include "markup/previewcommand.h"
#include "markup/ui/previewbrowser.h"
#include "markup/ui/tagcommands.h"
#include "postgen/ui/postgenerator.h"
#include "widgets/skinwidgets.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QTextDocument>

namespace {

// The data file opens in the desktop's program for text files.
void openDataFile(const char *fileName)
{
    Platform::shell().open(DataFolder::filePath(QString::fromLatin1(fileName)));
}

} // namespace

void frmMain::mnuFileAdvEditInsert_Click()
{
    openDataFile("insert.txt");
}

void frmMain::mnuFileAdvEditWeb_Click()
{
    openDataFile("web.txt");
}

void frmMain::mnuFileAdvEditTemplate_Click()
{
    openDataFile("template.txt");
}

void frmMain::mnuFileAdvEditTags_Click()
{
    openDataFile("tags.txt");
}

void frmMain::mnuFileAdvEditPreview_Click()
{
    openDataFile("preview.txt");
}

void frmMain::mnuHelpReadMe_Click()
{
    HelpTargets::openDefault(HelpTargets::readMe());
}

void frmMain::mnuHelpUpdate_Click()
{
    HelpTargets::openDefault(HelpTargets::update());
}

void frmMain::mnuHelpWebQuorvel_Click()
{
    HelpTargets::openDefault(HelpTargets::website());
}

void frmMain::mnuHelpWebForums_Click()
{
    HelpTargets::openDefault(HelpTargets::forums());
}

void frmMain::mnuHelpWebEmail_Click()
{
    HelpTargets::openDefault(HelpTargets::emailMenu());
}

void frmMain::mnuHelpDonate_Click()
{
    HelpTargets::openWithVerb(HelpTargets::donate());
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::cmdBold_Click()
{
    m_tags->cmdBold_Click();
}

void frmMain::cmdItalic_Click()
{
    m_tags->cmdItalic_Click();
}

void frmMain::cmdUnderlined_Click()
{
    m_tags->cmdUnderlined_Click();
}

void frmMain::cmdURL_Click()
{
    m_tags->cmdURL_Click();
}

void frmMain::cmdImage_Click()
{
    m_tags->cmdImage_Click();
}

void frmMain::cmdEmail_Click()
{
    m_tags->cmdEmail_Click();
}

void frmMain::cmdQuote_Click()
{
    m_tags->cmdQuote_Click();
}

void frmMain::cmdCode_Click()
{
    m_tags->cmdCode_Click();
}

void frmMain::cmdList_Click()
{
    m_tags->cmdList_Click();
}

void frmMain::cmbFont_Click()
{
    m_tags->cmbFont_Click(cmbFont->currentIndex());
}

void frmMain::cmbSize_Click()
{
    m_tags->cmbSize_Click(cmbSize->currentText());
}

void frmMain::cmbColor_Click()
{
    m_tags->cmbColor_Click(cmbColor->currentIndex());
}

void frmMain::warnPostTooShort()
{
    Platform::prompts().messageBox(CopyPost::tooShortMessage.toString(),
                                   CopyPost::tooShortTitle.toString(), MessageIcon::Exclamation,
                                   MessageButtons::Ok);
}

// The caption of cmdPreview is the preview state: "Edit Post" while the page shows.
void frmMain::showPreviewState(bool previewing)
{
    cmdPreview->setText(previewing ? QStringLiteral("Edit Post") : QStringLiteral("Preview Post"));
    lblHeaders[1]->setText(previewing ? QStringLiteral("Post Preview")
                                      : QStringLiteral("Post Editor"));
    lblHeaders[1]->widenToCaption();
    WebBrowser->setVisible(previewing);
    txtPost->setVisible(!previewing);
}

void frmMain::cmdCopy_Click()
{
    try {
        EditorText editor = post();
        QString text = editor.text();
        if (!CopyPost::longEnough(text)) {
            warnPostTooShort();
            return;
        }
        if (prefs().CopyRemoveBreaks == 1) {
            // Each pass that changes the post is an edit of its own, so Undo steps back through
            // them.
            for (const QString &pass : CopyPost::tidyPasses(text)) {
                editor.setText(pass);
                text = pass;
            }
        }
        Clipboard &clipboard = Platform::clipboard();
        clipboard.clear();
        // A key typed while the events run is in the editor then: it goes with the copy.
        bool typed = false;
        const QMetaObject::Connection typing = connect(
            txtPost->document(), &QTextDocument::contentsChanged, this, [&typed] { typed = true; });
        QCoreApplication::processEvents();
        disconnect(typing);
        clipboard.setText(typed ? post().text() : text);
        setBlnPostChanged(false);
        if (prefs().CopyMinimize == 1)
            setWindowState(windowState() | Qt::WindowMinimized);
        if (prefs().CopyGotoURL == 1)
            Platform::shell().open(webEntryValue(1));
    } catch (const WuxoError &error) {
        ReportError(QStringLiteral("Main.cmdCopy"), error);
    }
}

void frmMain::cmdPreview_Click()
{
    if (cmdPreview->text() == QLatin1String("Edit Post")) {
        showPreviewState(false);
        txtPost->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString text = post().text();
    if (!CopyPost::longEnough(text)) {
        warnPostTooShort();
        return;
    }
    try {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const QString page = PreviewCommand::writePage(text);
        QGuiApplication::restoreOverrideCursor();
        if (prefs().PreviewIntegrated == 1 && m_preview->isAvailable()) {
            showPreviewState(true);
            m_preview->navigate(page);
        } else {
            Platform::shell().open(page);
        }
    } catch (const WuxoError &error) {
        ReportError(QStringLiteral("Main.Preview"), error);
    }
}

void frmMain::mnuFileNewsManual_Click()
{
    m_postGenerator->mnuFileNewsManual_Click();
}

void frmMain::mnuFileNewsAuto_Click()
{
    m_postGenerator->mnuFileNewsAuto_Click();
}

void frmMain::cmdNewsManual_Click()
{
    mnuFileNewsManual_Click();
}

void frmMain::cmdNewsAuto_Click()
{
    mnuFileNewsAuto_Click();
}

void frmMain::mnuFilePrefs_Click()
{
    frmPrefs preferences(this);
    preferences.exec();
}

void frmMain::closeAutoRun()
{
    m_postGenerator->closeAutoRun();
}

QString frmMain::postText() const
{
    return post().text();
}

void frmMain::clearPost()
{
    post().setText(QString());
    setBlnPostChanged(false);
}

void frmMain::moveCaretToEnd()
{
    EditorText editor = post();
    editor.setSelStart(editor.length());
}

void frmMain::replaceSelection(const QString &text)
{
    post().replaceSelection(text);
}

void frmMain::setCaption(const QString &text)
{
    setWindowTitle(text);
}

QString frmMain::appCaption() const
{
    return m_appCaption;
}

void frmMain::setAutoCaptions(bool running)
{
    mnuFileNewsAuto->setText(running ? QStringLiteral("Cancel Auto Mode")
                                     : QStringLiteral("Post Generator (Auto)"));
    cmdNewsAuto->setText(running ? QStringLiteral("Cancel") : QStringLiteral("Auto"));
}

void frmMain::restoreWindowState()
{
    if (isMinimized() || isMaximized())
        showNormal();
}

QWidget *frmMain::hostWindow() const
{
    return const_cast<frmMain *>(this);
}
