#include "editortext.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

EditorText::EditorText(QPlainTextEdit *editor) : m_editor(editor) { }

QString EditorText::toModelText(const QString &editorText)
{
    QString text = editorText;
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

QString EditorText::toEditorText(const QString &modelText)
{
    // The editor keeps a break as one character whatever the line end was.
    QString text = modelText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QString EditorText::text() const
{
    return toModelText(m_editor->document()->toRawText());
}

int EditorText::length() const
{
    const QTextDocument *document = m_editor->document();
    // characterCount() counts one separator per block, the last one included.
    return document->characterCount() - 1 + document->blockCount() - 1;
}

bool EditorText::isEmpty() const
{
    return m_editor->document()->isEmpty();
}

void EditorText::setText(const QString &text)
{
    // Only the part that differs is replaced: rewriting a long post whole would
    // cost far more than the change, and the view keeps its place.
    QString wanted = toEditorText(text);
    wanted.replace(u'\n', QChar::ParagraphSeparator);
    const QString current = m_editor->document()->toRawText();
    if (wanted == current)
        return;
    const qsizetype shorter = std::min(wanted.size(), current.size());
    qsizetype prefix = 0;
    while (prefix < shorter && wanted.at(prefix) == current.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix
           && wanted.at(wanted.size() - 1 - suffix) == current.at(current.size() - 1 - suffix))
        ++suffix;
    // Never cut a character that takes two code units.
    if (prefix > 0 && wanted.at(prefix - 1).isHighSurrogate())
        --prefix;
    if (suffix > 0 && current.at(current.size() - suffix).isLowSurrogate())
        --suffix;
    QString middle = wanted.mid(prefix, wanted.size() - prefix - suffix);
    middle.replace(QChar::ParagraphSeparator, u'\n');

    QTextCursor cursor(m_editor->document());
    cursor.setPosition(int(prefix));
    cursor.setPosition(int(current.size() - suffix), QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.insertText(middle);
    cursor.endEditBlock();
    m_editor->setTextCursor(cursor);
}

int EditorText::toModel(const QTextDocument *document, int editorPosition)
{
    const QTextBlock block = document->findBlock(editorPosition);
    return editorPosition + std::max(block.blockNumber(), 0);
}

int EditorText::toEditor(const QTextDocument *document, int modelPosition)
{
    if (modelPosition <= 0)
        return 0;
    // The last block whose first character lies at or before the position:
    // a block's model start is its editor start plus its number.
    int low = 0;
    int high = document->blockCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (document->findBlockByNumber(middle).position() + middle <= modelPosition)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = document->findBlockByNumber(low);
    const int blockEnd = block.position() + block.length() - 1;
    return std::min(modelPosition - low, blockEnd);
}

int EditorText::selStart() const
{
    return toModel(m_editor->document(), m_editor->textCursor().selectionStart());
}

int EditorText::selLength() const
{
    const QTextCursor cursor = m_editor->textCursor();
    return toModel(m_editor->document(), cursor.selectionEnd())
        - toModel(m_editor->document(), cursor.selectionStart());
}

QString EditorText::selectedText() const
{
    return toModelText(m_editor->textCursor().selectedText());
}

void EditorText::setSelStart(int position)
{
    setSelection(position, 0);
}

void EditorText::setSelection(int start, int length)
{
    const QTextDocument *document = m_editor->document();
    const int total = this->length();
    start = std::clamp(start, 0, total);
    length = std::clamp(length, 0, total - start);
    QTextCursor cursor(m_editor->document());
    cursor.setPosition(toEditor(document, start));
    if (length > 0)
        cursor.setPosition(toEditor(document, start + length), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(cursor);
}

void EditorText::replaceSelection(const QString &text)
{
    QTextCursor cursor = m_editor->textCursor();
    cursor.beginEditBlock();
    cursor.insertText(toEditorText(text));
    cursor.endEditBlock();
    m_editor->setTextCursor(cursor);
}

void EditorText::replaceRanges(const QList<TextReplacement> &replacements)
{
    if (replacements.isEmpty())
        return;
    QTextDocument *document = m_editor->document();
    QScrollBar *scrollBar = m_editor->verticalScrollBar();
    const int scrolled = scrollBar->value();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    // From the end, so that the positions before each edit still hold.
    for (qsizetype i = replacements.size() - 1; i >= 0; --i) {
        const TextReplacement &replacement = replacements[i];
        cursor.setPosition(toEditor(document, int(replacement.start)));
        cursor.setPosition(toEditor(document, int(replacement.start + replacement.length)),
                           QTextCursor::KeepAnchor);
        cursor.insertText(toEditorText(replacement.text));
    }
    cursor.endEditBlock();
    scrollBar->setValue(scrolled);
}
