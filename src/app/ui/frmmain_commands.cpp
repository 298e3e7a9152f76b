// The window's own commands: copy, preview, preferences and the About box.
#include "frmmain.h"

#include "dialogs/ui/frmabout.h"
#include "dialogs/ui/frmprefs.h"
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
    Platform::prompts().messageBox(
        QCoreApplication::translate("CopyPost", CopyPost::tooShortMessage),
        QCoreApplication::translate("CopyPost", CopyPost::tooShortTitle), MessageIcon::Exclamation,
        MessageButtons::Ok);
}

void frmMain::showPreviewState(bool previewing)
{
    m_previewing = previewing;
    cmdPreview->setText(previewing ? tr("Edit Post") : tr("Preview Post"));
    lblHeaders[1]->setText(previewing ? tr("Post Preview") : tr("Post Editor"));
    lblHeaders[1]->widenToCaption();
    WebBrowser->setVisible(previewing);
    txtPost->setVisible(!previewing);
}

namespace {

// The post editor as Copy Post sees it.
class CopyingEditor : public CopyPost::Editor
{
public:
    explicit CopyingEditor(PostEdit *edit) : m_edit(edit) { }

    QString text() const override { return EditorText(m_edit).text(); }
    void write(const QString &text) override { EditorText(m_edit).setText(text); }
    bool runEvents() override
    {
        bool typed = false;
        const QMetaObject::Connection typing
            = QObject::connect(m_edit->document(), &QTextDocument::contentsChanged, m_edit,
                               [&typed] { typed = true; });
        QCoreApplication::processEvents();
        QObject::disconnect(typing);
        return typed;
    }

private:
    PostEdit *m_edit;
};

} // namespace

void frmMain::cmdCopy_Click()
{
    runTrapped(QStringLiteral("Main.cmdCopy"), [this] {
        CopyingEditor editor(txtPost);
        if (!CopyPost::copy(editor, prefs().CopyRemoveBreaks == 1, Platform::clipboard())) {
            warnPostTooShort();
            return;
        }
        setBlnPostChanged(false);
        if (prefs().CopyMinimize == 1)
            setWindowState(windowState() | Qt::WindowMinimized);
        if (prefs().CopyGotoURL == 1)
            Platform::shell().open(webEntryValue(1));
    });
}

void frmMain::cmdPreview_Click()
{
    if (m_previewing) {
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
