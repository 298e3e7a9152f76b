// The window's own commands: copy, preview, preferences and the About box.
#include "frmmain.h"

#include "dialogs/ui/frmabout.h"
#include "dialogs/ui/frmprefs.h"
#include "find/ui/findcommands.h"
#include "foundation/errorreport.h"
#include "foundation/platform.h"
#include "foundation/preferences.h"
#include "markup/copypost.h"
#include "preview/previewcommand.h"
#include "preview/ui/previewbrowser.h"
#include "widgets/postedit.h"
#include "widgets/skinwidgets.h"

#include <QGuiApplication>
#include <QTextDocument>

void frmMain::mnuHelpAbout_Click()
{
    frmAbout about(this);
    about.exec();
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
    m_find->setPreviewing(previewing);
}

void frmMain::cmdCopy_Click()
{
    runTrapped(QStringLiteral("Main.cmdCopy"), [this] {
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
    });
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
    runTrapped(QStringLiteral("Main.Preview"), [this, &text] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const QString page = PreviewCommand::writePage(text);
        QGuiApplication::restoreOverrideCursor();
        if (prefs().PreviewIntegrated == 1 && m_preview->isAvailable()) {
            showPreviewState(true);
            m_preview->navigate(page);
        } else {
            Platform::shell().open(page);
        }
    });
}

void frmMain::mnuFilePrefs_Click()
{
    frmPrefs preferences(this);
    preferences.exec();
}
