#pragma once

#include "foundation/textreplacement.h"

#include <QList>
#include <QString>

class QPlainTextEdit;
class QTextDocument;

// Reads and edits a QPlainTextEdit in the post's own terms: the text has CR LF
// line breaks, and positions and lengths count a line break as two characters.
// Every edit through here is one change of the editor (one textChanged).
class EditorText
{
public:
    explicit EditorText(QPlainTextEdit *editor);

    QString text() const;
    int length() const;
    bool isEmpty() const;
    // Replaces the whole text as one change; the same text again changes nothing.
    void setText(const QString &text);

    int selStart() const;
    int selLength() const;
    QString selectedText() const;
    // Sets the caret and clears the selection.
    void setSelStart(int position);
    void setSelection(int start, int length);
    // Replaces the selection (or inserts at the caret); the caret ends after the new text.
    void replaceSelection(const QString &text);
    // Replaces stretches of the post, in ascending order and not overlapping,
    // as one change. The caret, the selection and the view stay where they were.
    void replaceRanges(const QList<TextReplacement> &replacements);

    // Position mapping between the post's terms and the editor's. A position
    // between the CR and the LF of a break maps to the break.
    static int toModel(const QTextDocument *document, int editorPosition);
    static int toEditor(const QTextDocument *document, int modelPosition);

    // The editor's text for a post text, and back.
    static QString toEditorText(const QString &modelText);
    static QString toModelText(const QString &editorText);

    QPlainTextEdit *editor() const { return m_editor; }

private:
    QPlainTextEdit *m_editor;
};
