// The post's edit history, the Edit menu, the editor's Ctrl keys and drafts.
#include "frmmain.h"

#include "app/postediting.h"
#include "foundation/datafolder.h"
#include "foundation/errorreport.h"
#include "foundation/platform.h"
#include "markup/ui/tagcommands.h"
#include "paste/htmltobbcode.h"
#include "recovery/draftfile.h"
#include "spelling/ui/spellingcommands.h"
#include "widgets/postedit.h"

#include <QAction>
#include <QMenu>
#include <QScopedValueRollback>

void frmMain::txtPost_Change()
{
    runTrapped(QStringLiteral("Main.txtEmailBody_Change"), [this] {
        if (!m_restoring)
            m_history.record(post().text());
        markChangedIfNotEmpty();
        postStateChanged();
    });
}

void frmMain::markChangedIfNotEmpty()
{
    if (post().isEmpty())
        return;
    setBlnPostChanged(true);
    mnuFileSaveDraft->setEnabled(true);
}

void frmMain::restoreSnapshot(const QString &text)
{
    {
        const QScopedValueRollback<bool> restoring(m_restoring, true);
        EditorText editor = post();
        editor.setText(text);
        editor.setSelStart(editor.length());
    }
    // Writing the same text again is no change of the editor, but Undo still
    // counts as an edit.
    markChangedIfNotEmpty();
}

void frmMain::mnuEditUndo_Click()
{
    if (const std::optional<QString> text = m_history.undo())
        restoreSnapshot(*text);
}

void frmMain::mnuEditRedo_Click()
{
    if (const std::optional<QString> text = m_history.redo())
        restoreSnapshot(*text);
}

void frmMain::mnuEditCut_Click()
{
    EditorText editor = post();
    if (editor.selLength() <= 0)
        return;
    Clipboard &clipboard = Platform::clipboard();
    clipboard.clear();
    clipboard.setText(editor.selectedText());
    editor.replaceSelection(QString());
    txtPost->setFocus();
}

void frmMain::mnuEditCopy_Click()
{
    const EditorText editor = post();
    if (editor.selLength() <= 0)
        return;
    Clipboard &clipboard = Platform::clipboard();
    clipboard.clear();
    clipboard.setText(editor.selectedText());
    txtPost->setFocus();
}

void frmMain::mnuEditPaste_Click()
{
    const Clipboard &clipboard = Platform::clipboard();
    if (!clipboard.hasText())
        return;
    post().replaceSelection(clipboard.text());
    txtPost->setFocus();
}

void frmMain::mnuEditPasteBBCode_Click()
{
    if (const std::optional<QString> text = HtmlToBBCode::pasteText(Platform::clipboard())) {
        post().replaceSelection(*text);
        txtPost->setFocus();
    }
}

void frmMain::mnuEditSelectAll_Click()
{
    txtPost->setFocus();
    EditorText editor = post();
    editor.setSelection(0, editor.length());
}

void frmMain::mnuEditClearAll_Click()
{
    post().setText(QString());
}

void frmMain::showEditMenu(const QPoint &globalPos, int position)
{
    m_spelling->execEditMenu(mnuEdit, globalPos, position);
}

void frmMain::txtPost_KeyDown(int key)
{
    runTrapped(QStringLiteral("Main.txtPost_KeyDown"), [this, key] {
        switch (key) {
        case Qt::Key_B:
            m_tags->cmdBold_Click();
            break;
        case Qt::Key_U:
            m_tags->cmdUnderlined_Click();
            break;
        case Qt::Key_I:
            m_tags->cmdItalic_Click();
            break;
        case Qt::Key_Backspace:
            deleteWordBeforeCaret();
            break;
        default:
            break;
        }
    });
}

void frmMain::deleteWordBeforeCaret()
{
    EditorText editor = post();
    const PostEditing::Deletion deletion
        = PostEditing::ctrlBackspace(editor.text(), editor.selStart());
    if (deletion.length > 0) {
        editor.setSelection(deletion.start, deletion.length);
        editor.replaceSelection(QString());
    }
    editor.setSelStart(deletion.caret);
}

bool frmMain::mnuFileSaveDraft_Click()
{
    const EditorText editor = post();
    if (editor.isEmpty())
        return true;
    // The menu and the flag change only once the draft is safely on disk.
    if (!runTrapped(QStringLiteral("Main.SaveDraft"),
                    [&editor] { DraftFile::save(DraftFile::path(), editor.text()); }))
        return false;
    mnuFileSaveDraft->setEnabled(false);
    mnuFileLoadDraft->setEnabled(true);
    setBlnPostChanged(false);
    return true;
}

void frmMain::mnuFileLoadDraft_Click()
{
    const QString path = DraftFile::path();
    if (!FileExists(path)) {
        Platform::prompts().messageBox(tr("No saved draft found."), tr("Load Error"),
                                       MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    // Read the whole draft before touching the post: an unreadable draft leaves it as it is.
    DraftFile::Restored draft;
    if (!runTrapped(QStringLiteral("Main.LoadDraft"), [&] { draft = DraftFile::read(path); }))
        return;

    EditorText editor = post();
    editor.setText(QString());
    // Each line is one change of the post, so Undo takes the lines away one at a
    // time; the editor is written once.
    m_history.replay(draft.text, draft.snapshots);
    {
        const QScopedValueRollback<bool> recorded(m_restoring, true);
        editor.setText(draft.text);
    }
    editor.setSelStart(editor.length());
    setBlnPostChanged(false);
    mnuFileSaveDraft->setEnabled(false);
}
