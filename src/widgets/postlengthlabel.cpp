#include "postlengthlabel.h"

#include "decorations/decorationcolours.h"
#include "markup/postlength.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>

PostLengthLabel::PostLengthLabel(QPlainTextEdit *editor, QWidget *parent)
    : SkinLabel(QString(), parent), m_editor(editor)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(editor, &QPlainTextEdit::textChanged, this, &PostLengthLabel::refresh);
    refresh();
}

void PostLengthLabel::setLimit(qsizetype limit)
{
    m_limit = std::max<qsizetype>(limit, 0);
    refresh();
}

void PostLengthLabel::refresh()
{
    // The raw text holds each line break as one separator, as the forum counts it.
    const qsizetype characters = PostLength::characters(m_editor->document()->toRawText());
    if (m_limit == 0) {
        setText(PostLength::caption(characters));
    } else {
        setText(PostLength::captionWithLimit(characters, m_limit));
    }
    const bool over = m_limit > 0 && characters > m_limit;
    const QString overText = over ? PostLength::overTheLimit(characters - m_limit) : QString();
    if (toolTip() != overText) {
        setToolTip(overText);
        setAccessibleDescription(overText);
    }
    if (over != m_over) {
        m_over = over;
        applyColors();
    }
}

void PostLengthLabel::applyColors()
{
    SkinLabel::applyColors();
    if (!m_over)
        return;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText,
                     DecorationColours::forTextArea(colours.color(QPalette::Window),
                                                    colours.color(QPalette::WindowText))
                         .warning);
    setPalette(colours);
}
