#include "edithistory.h"

#include <utility>

namespace {

const QString &sentinelText()
{
    static const QString text = EditHistory::sentinel.toString();
    return text;
}

} // namespace

void EditHistory::reset()
{
    for (Snapshot &slot : m_slots)
        slot = {sentinelText(), sentinelText().size()};
    m_slots[newestSlot] = {};
    m_pos = newestSlot;
}

void EditHistory::record(const QString &text)
{
    store({text, text.size()});
}

void EditHistory::recordPrefix(const QString &text, qsizetype length)
{
    store({text, qBound<qsizetype>(0, length, text.size())});
}

void EditHistory::store(Snapshot snapshot)
{
    // Moving slots only moves references to shared strings, never the texts.
    const Snapshot shown = m_slots[m_pos];
    for (int i = 0; i < newestSlot; ++i)
        m_slots[i] = std::move(m_slots[i + 1]);
    m_slots[newestSlot] = std::move(snapshot);

    if (m_pos < newestSlot) {
        const int undone = newestSlot - m_pos;
        for (int k = m_pos - 1; k >= 0; --k)
            m_slots[k + undone] = std::move(m_slots[k]);
        for (int k = 0; k < undone; ++k)
            m_slots[k] = {sentinelText(), sentinelText().size()};
        // Back at the oldest slot, the shift above has pushed the shown text
        // out; keep it, so Undo still returns to what was shown before.
        if (m_pos == 0)
            m_slots[newestSlot - 1] = shown;
    }
    m_pos = newestSlot;
}

std::optional<QString> EditHistory::undo()
{
    if (m_pos <= 0 || holdsSentinel(m_pos - 1))
        return std::nullopt;
    --m_pos;
    return strHistory(m_pos);
}

std::optional<QString> EditHistory::redo()
{
    if (m_pos >= newestSlot)
        return std::nullopt;
    ++m_pos;
    return strHistory(m_pos);
}

QString EditHistory::strHistory(int index) const
{
    const Snapshot &slot = m_slots.at(index);
    return slot.length == slot.text.size() ? slot.text : slot.view().toString();
}

bool EditHistory::holdsSentinel(int index) const
{
    return m_slots.at(index).view() == sentinel;
}
