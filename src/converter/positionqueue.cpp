#include "positionqueue.h"

#include <algorithm>

PositionQueue::PositionQueue(std::vector<qsizetype> positions)
    : m_positions(std::move(positions)), m_next(m_positions.size() + 1)
{
    for (size_t i = 0; i < m_next.size(); ++i)
        m_next[i] = qsizetype(i);
}

qsizetype PositionQueue::indexAtOrAfter(qsizetype from)
{
    const qsizetype count = qsizetype(m_positions.size());
    const qsizetype *positions = m_positions.data();
    const qsizetype finger = std::min(m_finger, count);
    // Gallop from the finger to a stretch [low, high) whose end is at or after
    // the answer and whose start is not after it, then halve the stretch.
    qsizetype low;
    qsizetype high;
    if (finger < count && positions[finger] < from) {
        low = finger + 1; // positions[low - 1] < from
        high = low;
        for (qsizetype step = 1; high < count && positions[high] < from; step *= 2) {
            low = high + 1;
            high = std::min(count, high + step);
        }
    } else if (finger > 0 && positions[finger - 1] >= from) {
        high = finger - 1; // positions[high] >= from
        low = high;
        for (qsizetype step = 1; low > 0 && positions[low - 1] >= from; step *= 2) {
            high = low - 1;
            low = std::max(qsizetype(0), low - step);
        }
    } else {
        return finger;
    }
    m_finger = std::lower_bound(positions + low, positions + high, from) - positions;
    return m_finger;
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

std::vector<qsizetype> PositionQueue::remaining()
{
    std::vector<qsizetype> positions;
    for (qsizetype index = root(0); index < qsizetype(m_positions.size()); index = root(index + 1))
        positions.push_back(m_positions[size_t(index)]);
    return positions;
}
