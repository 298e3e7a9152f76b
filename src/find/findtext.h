#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// The post as a search reads it: every line break one '\n', so that a pattern's
// \n matches a break and never half of one. Maps positions between this text
// and the post's own terms, where a CR LF break counts two characters.
class FindText
{
public:
    FindText() = default;
    // `post` may break its lines with CR LF, a lone CR or a lone LF.
    explicit FindText(QStringView post);

    const QString &text() const { return m_text; }

    qsizetype toPost(qsizetype position) const;
    // A post position between the CR and the LF of a break maps to the break.
    qsizetype fromPost(qsizetype position) const;
    // The line (from 0) that a position of text() lies on.
    int lineAt(qsizetype position) const;

    // Text for the post: each '\n' becomes a CR LF break.
    static QString toPostText(QStringView text);

private:
    QString m_text;
    std::vector<qsizetype> m_breaks;     // every '\n' of m_text
    std::vector<qsizetype> m_wideBreaks; // those that were CR LF, as positions of m_text
};
