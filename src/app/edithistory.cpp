#include "edithistory.h"

#include <algorithm>
#include <utility>

void EditHistory::reset()
{
    m_older.fill(Difference{});
    m_newest.clear();
    m_newestLength = 0;
    m_pos = newestSlot;
    m_shown.reset();
}

EditHistory::Difference EditHistory::difference(QStringView from, QStringView to)
{
    // `to` is `from` with its middle replaced: find the common ends.
    const qsizetype shorter = std::min(from.size(), to.size());
    const auto mismatch = std::mismatch(from.begin(), from.begin() + shorter, to.begin());
    const qsizetype prefix = mismatch.first - from.begin();
    qsizetype suffix = 0;
    while (suffix < shorter - prefix
           && from[from.size() - 1 - suffix] == to[to.size() - 1 - suffix])
        ++suffix;
    Difference d;
    d.empty = false;
    d.position = prefix;
    d.newer = from.mid(prefix, from.size() - prefix - suffix).toString();
    d.older = to.mid(prefix, to.size() - prefix - suffix).toString();
    d.length = to.size();
    return d;
}

void EditHistory::record(const QString &text)
{
    store(text, text.size());
}

void EditHistory::recordPrefix(const QString &text, qsizetype length)
{
    store(text, std::clamp<qsizetype>(length, 0, text.size()));
}

void EditHistory::replay(const QString &text, const QList<qsizetype> &steps)
{
    for (const qsizetype length : steps)
        recordPrefix(text, length);
}

void EditHistory::store(const QString &text, qsizetype length)
{
    const QStringView next = QStringView(text).first(length);
    Difference below;
    if (m_pos == newestSlot && m_newest.constData() == text.constData()
        && m_newestLength <= length) {
        // The newest snapshot is a prefix of the same string: the difference is the added end.
        below.empty = false;
        below.position = m_newestLength;
        below.newer = next.mid(m_newestLength).toString();
        below.length = m_newestLength;
    } else if (m_pos == newestSlot) {
        below = difference(next, QStringView(m_newest).first(m_newestLength));
    } else {
        below = difference(next, shownText());
    }

    // The slots above the shown one are the undone texts: they go. The shown
    // text comes to lie just below the new one, the older texts below it, and
    // the oldest slot is given up for the new text. The differences below the
    // shown text relate to it, so they stay valid wherever they lie.
    std::array<Difference, slotCount - 1> older;
    for (int k = 1; k < m_pos; ++k)
        older[k + newestSlot - 1 - m_pos] = std::move(m_older[k]);
    older[newestSlot - 1] = std::move(below);
    m_older = std::move(older);

    m_newest = text;
    m_newestLength = length;
    m_pos = newestSlot;
    m_shown.reset();
}

QString EditHistory::shownText() const
{
    if (m_pos == newestSlot) {
        return m_newestLength == m_newest.size()
            ? m_newest
            : QStringView(m_newest).first(m_newestLength).toString();
    }
    if (!m_shown)
        m_shown = textAt(m_pos);
    return *m_shown;
}

QString EditHistory::textAt(int index) const
{
    if (index != newestSlot && m_older.at(index).empty)
        return sentinel.toString();
    QString text = QStringView(m_newest).first(m_newestLength).toString();
    for (int k = newestSlot - 1; k >= index; --k) {
        const Difference &d = m_older[k];
        text.replace(d.position, d.newer.size(), d.older);
    }
    return text;
}

std::optional<QString> EditHistory::undo()
{
    if (m_pos <= 0 || holdsSentinel(m_pos - 1))
        return std::nullopt;
    QString text = shownText();
    const Difference &d = m_older[m_pos - 1];
    text.replace(d.position, d.newer.size(), d.older);
    --m_pos;
    m_shown = text;
    return text;
}

std::optional<QString> EditHistory::redo()
{
    if (m_pos >= newestSlot)
        return std::nullopt;
    QString text = shownText();
    const Difference &d = m_older[m_pos];
    text.replace(d.position, d.older.size(), d.newer);
    ++m_pos;
    if (m_pos == newestSlot)
        m_shown.reset();
    else
        m_shown = text;
    return text;
}

QString EditHistory::strHistory(int index) const
{
    Q_ASSERT(index >= 0 && index < slotCount);
    if (index == m_pos)
        return shownText();
    return textAt(index);
}

bool EditHistory::holdsSentinel(int index) const
{
    if (index == newestSlot)
        return QStringView(m_newest).first(m_newestLength) == sentinel;
    const Difference &d = m_older.at(index);
    // Only a text of the sentinel's length can read like it.
    return d.empty || (d.length == sentinel.size() && textAt(index) == sentinel);
}
