#include "findtext.h"

#include <algorithm>

FindText::FindText(QStringView post)
{
    m_text.reserve(post.size());
    const qsizetype size = post.size();
    qsizetype copied = 0;
    for (qsizetype at = 0; at < size; ++at) {
        const QChar c = post[at];
        if (c != u'\r' && c != u'\n')
            continue;
        m_text.append(post.mid(copied, at - copied));
        m_breaks.push_back(m_text.size());
        if (c == u'\r' && at + 1 < size && post[at + 1] == u'\n') {
            m_wideBreaks.push_back(m_text.size());
            ++at;
        }
        m_text.append(u'\n');
        copied = at + 1;
    }
    m_text.append(post.mid(copied));
}

qsizetype FindText::toPost(qsizetype position) const
{
    const auto before = std::lower_bound(m_wideBreaks.begin(), m_wideBreaks.end(), position);
    return position + (before - m_wideBreaks.begin());
}

qsizetype FindText::fromPost(qsizetype position) const
{
    // Wide break i starts at m_wideBreaks[i] + i in the post; each one that
    // starts before the position takes one character off it.
    qsizetype low = 0;
    qsizetype high = qsizetype(m_wideBreaks.size());
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        if (m_wideBreaks[size_t(middle)] + middle < position)
            low = middle + 1;
        else
            high = middle;
    }
    return std::clamp(position - low, qsizetype(0), m_text.size());
}

int FindText::lineAt(qsizetype position) const
{
    return int(std::lower_bound(m_breaks.begin(), m_breaks.end(), position) - m_breaks.begin());
}

QString FindText::toPostText(QStringView text)
{
    QString post = text.toString();
    post.replace(u'\n', QStringLiteral("\r\n"));
    return post;
}
