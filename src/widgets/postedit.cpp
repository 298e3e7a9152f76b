#include "postedit.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// Keypad keys carry their own modifier flag; it says nothing about Ctrl.
Qt::KeyboardModifiers held(const QKeyEvent *event)
{
    return event->modifiers() & ~Qt::KeypadModifier;
}

bool isCtrlAlone(const QKeyEvent *event)
{
    return held(event) == Qt::ControlModifier;
}

// Ctrl with or without Shift, but not Ctrl+Alt: AltGr arrives as Ctrl+Alt on some
// desktops, and its characters must type.
bool isCtrlCombination(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = held(event);
    return (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
}

} // namespace

PostEdit::PostEdit(QWidget *parent) : SkinTextBox(parent)
{
    // The post's history is the main window's; the text box keeps none.
    setUndoRedoEnabled(false);
    // Right clicks and the context-menu keys reach the handlers below, and the
    // text box's own menu never shows.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Emitted before the change is laid out, so the wrapping is right in time.
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { adaptWrapping(position, added); });
}

void PostEdit::adaptWrapping(int position, int added)
{
    // Word wrapping lays a line out in time that grows with the square of its
    // length: a pasted line of a megabyte would hang the editor.
    const QTextDocument *text = document();
    bool hasLongLine = false;
    if (m_wrapsAnywhere) {
        for (QTextBlock block = text->begin(); block.isValid() && !hasLongLine;
             block = block.next())
            hasLongLine = block.length() > longLine;
    } else {
        for (QTextBlock block = text->findBlock(position);
             block.isValid() && block.position() <= position + added && !hasLongLine;
             block = block.next())
            hasLongLine = block.length() > longLine;
    }
    if (hasLongLine == m_wrapsAnywhere)
        return;
    m_wrapsAnywhere = hasLongLine;
    setWordWrapMode(hasLongLine ? QTextOption::WrapAnywhere
                                : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

bool PostEdit::event(QEvent *event)
{
    // The text box claims Ctrl+Z, Ctrl+C, Ctrl+V and the like for itself; leaving
    // the override unaccepted lets the menu's shortcuts have them instead.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (isCtrlCombination(key)) {
            event->ignore();
            return true;
        }
    }
    return SkinTextBox::event(event);
}

void PostEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && held(event) == Qt::ShiftModifier)) {
        event->accept();
        emit contextMenuRequested(QCursor::pos(), textCursor().position());
        return;
    }
    if (isCtrlAlone(event)) {
        m_ctrlDown = true;
        emit ctrlKeyDown(key);
        // The window has run its command; the text box must not run its own.
        if (key == Qt::Key_B || key == Qt::Key_I || key == Qt::Key_U || key == Qt::Key_Backspace) {
            event->accept();
            return;
        }
    }
    // What Ctrl would type is a control character (Ctrl+I a tab, Ctrl+Enter a
    // break); keys that only move or delete still work.
    if (m_ctrlDown && isCtrlCombination(event) && !event->text().isEmpty()
        && key != Qt::Key_Delete) {
        event->accept();
        return;
    }
    SkinTextBox::keyPressEvent(event);
}

void PostEdit::keyReleaseEvent(QKeyEvent *event)
{
    m_ctrlDown = false;
    SkinTextBox::keyReleaseEvent(event);
}

void PostEdit::mouseReleaseEvent(QMouseEvent *event)
{
    SkinTextBox::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        emit contextMenuRequested(event->globalPosition().toPoint(),
                                  cursorForPosition(event->position().toPoint()).position());
}

void PostEdit::insertFromMimeData(const QMimeData *source)
{
    // Dropped or pasted text keeps real line breaks only: a soft line separator
    // would be a break the post's text cannot show.
    if (!source || !source->hasText())
        return;
    QString text = source->text();
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    textCursor().insertText(text);
    ensureCursorVisible();
}
