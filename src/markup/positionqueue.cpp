#include "positionqueue.h"

#include <algorithm>

PositionQueue::PositionQueue(QStringView text, QStringView pattern)
{
    if (pattern.isEmpty())
        return;
    if (pattern.size() == 1) {
        const QChar wanted = pattern.front();
        const QChar *data = text.data();
        for (qsizetype i = 0, size = text.size(); i < size; ++i) {
            if (data[i] == wanted)
                m_positions.push_back(i);
        }
    } else {
        // None of the tags a pass looks for can overlap itself, so stepping past
        // each match finds them all.
        for (qsizetype i = text.indexOf(pattern); i >= 0; i = text.indexOf(pattern, i + pattern.size()))
            m_positions.push_back(i);
    }
    m_next.resize(m_positions.size() + 1);
    for (size_t i = 0; i < m_next.size(); ++i)
        m_next[i] = qsizetype(i);
}

qsizetype PositionQueue::indexAtOrAfter(qsizetype from) const
{
    return std::lower_bound(m_positions.begin(), m_positions.end(), from) - m_positions.begin();
}

qsizetype PositionQueue::root(qsizetype index)
{
    qsizetype top = index;
    while (m_next[top] != top)
        top = m_next[top];
    while (m_next[index] != top) {
        const qsizetype following = m_next[index];
        m_next[index] = top;
        index = following;
    }
    return top;
}

qsizetype PositionQueue::first(qsizetype from)
{
    if (m_positions.empty())
        return -1;
    const qsizetype index = root(indexAtOrAfter(from));
    return index < qsizetype(m_positions.size()) ? m_positions[index] : -1;
}

bool PositionQueue::contains(qsizetype position)
{
    const qsizetype index = indexAtOrAfter(position);
    return index < qsizetype(m_positions.size()) && m_positions[index] == position
        && root(index) == index;
}

void PositionQueue::remove(qsizetype position)
{
    const qsizetype index = indexAtOrAfter(position);
    if (index < qsizetype(m_positions.size()) && m_positions[index] == position)
        m_next[index] = index + 1;
}
