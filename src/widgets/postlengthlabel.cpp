#include "postlengthlabel.h"

#include "markup/postlength.h"

#include <QPlainTextEdit>
#include <QTextDocument>

PostLengthLabel::PostLengthLabel(QPlainTextEdit *editor, QWidget *parent)
    : SkinLabel(QString(), parent), m_editor(editor)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(editor, &QPlainTextEdit::textChanged, this, &PostLengthLabel::refresh);
    refresh();
}

void PostLengthLabel::refresh()
{
    // The raw text holds each line break as one separator, as the forum counts it.
    setText(PostLength::caption(PostLength::characters(m_editor->document()->toRawText())));
}
