#pragma once

#include <QString>

#include <vector>

// The page of the live preview: the preview page of the post, with marks that
// say which place of the post each stretch of the page came from. A mark is an
// empty element <wuxo-mark data-n="N"> put in front of the first character of
// each line of the post that reaches the page as text, and again every so
// often along a long line. The marks come from the converter's own trace, so
// they stand where the converter put the post's text. They are set only where
// the page holds text: never inside a tag, a comment, an entity or the text of
// a script, style, title or text area.
class LivePage
{
public:
    struct Mark
    {
        qsizetype post = 0; // position in the post (a line break counts two)
        qsizetype html = 0; // position in the converted post, before the marks went in
    };

    // Along a line, a mark at the next word after this many characters of post.
    static constexpr qsizetype markSpacing = 160;
    static constexpr QStringView markElement = u"wuxo-mark";

    LivePage() = default;

    // Converts the post and fills the template with it (every "[post]", as the
    // preview does). Throws what the conversion and the page size check throw.
    static LivePage build(const QString &templateText, const QString &post);

    // The whole page, marks included.
    const QString &page() const { return m_page; }
    // In ascending order of both positions.
    const std::vector<Mark> &marks() const { return m_marks; }

    // The mark that holds a caret at `postPosition`: the last one at or before
    // it; -1 when the post's text starts after it (or reaches the page nowhere).
    int markAt(qsizetype postPosition) const;
    // The place of the post that a click `textOffset` characters of page text
    // after mark `mark` came from. Text the conversion wrote (no character of
    // the post) gives the post character before it. -1 for no such mark.
    qsizetype postPositionAt(int mark, qsizetype textOffset) const;

    // Lets go of the page text once it has been shown; the marks stay.
    void releasePage() { m_page = QString(); }

private:
    QString m_page;
    QString m_html;               // the converted post, without marks
    std::vector<qint32> m_origin; // per character of m_html, as the converter's trace
    std::vector<Mark> m_marks;
};
