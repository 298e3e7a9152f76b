// The File menu's data files, the Help menu, and the formatting, copy, preview,
// post generator and preferences commands.
#include "frmmain.h"

#include "dialogs/frmabout.h"
#include "dialogs/frmprefs.h"
#include "dialogs/helptargets.h"
#include "foundation/datafolder.h"
#include "foundation/platform.h"
#include "postgen/ui/frmnews.h" // completes the generator's dialog pointer
#include "postgen/ui/postgenerator.h"
#include "widgets/skinwidgets.h"

#include <QAction>

namespace {

// The data file opens in the desktop's program for text files.
void openDataFile(const char *fileName)
{
    Platform::shell().open(DataFolder::filePath(QString::fromLatin1(fileName)), QString(),
                           QString(), DataFolder::programFolder());
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

void frmMain::cmdBold_Click() { }

void frmMain::cmdItalic_Click() { }

void frmMain::cmdUnderlined_Click() { }

void frmMain::cmdURL_Click() { }

void frmMain::cmdImage_Click() { }

void frmMain::cmdEmail_Click() { }

void frmMain::cmdQuote_Click() { }

void frmMain::cmdCode_Click() { }

void frmMain::cmdList_Click() { }

void frmMain::cmbFont_Click() { }

void frmMain::cmbSize_Click() { }

void frmMain::cmbColor_Click() { }

void frmMain::cmdCopy_Click() { }

void frmMain::cmdPreview_Click() { }

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
    m_postChanged = false;
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
