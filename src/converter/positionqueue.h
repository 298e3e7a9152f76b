#pragma once

#include <QtGlobal>

#include <vector>

// The places where one tag stands in a text, in ascending order. A conversion
// pass takes tags out as it uses them up and asks for the first one still left
// at or after a place; both cost a logarithm of the number of tags at most.
class PositionQueue
{
public:
    PositionQueue() = default;
    // Positions in ascending order.
    explicit PositionQueue(std::vector<qsizetype> positions);

    // The first position still in the queue that is >= from, or -1.
    qsizetype first(qsizetype from);
    bool contains(qsizetype position);
    // Takes out the tag at position; positions not in the queue are ignored.
    void remove(qsizetype position);
    // The positions still in the queue, in ascending order.
    std::vector<qsizetype> remaining();

private:
    qsizetype indexAtOrAfter(qsizetype from);
    qsizetype root(qsizetype index);

    std::vector<qsizetype> m_positions;
    // For each index, an index at or after it that is still in the queue or
    // leads to one; the entry past the last position stands for "none".
    std::vector<qsizetype> m_next;
    // Where the last search ended: passes search mostly forward and nearby.
    qsizetype m_finger = 0;
};
