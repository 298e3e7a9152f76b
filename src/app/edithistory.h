#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The post's undo history: snapshots of the whole post in 100 slots, the newest
// in slot 99, older ones below, and the sentinel "smeebux" in every slot that
// holds none. It only keeps texts; the window writes what Undo and Redo return.
class EditHistory
{
public:
    static constexpr int slotCount = 100;
    static constexpr qint16 newestSlot = 99;
    static constexpr QStringView sentinel = u"smeebux";

    EditHistory() { reset(); }

    // The start state: the empty editor in slot 99, the sentinel everywhere else.
    void reset();

    // A change of the post to `text`; undone texts are dropped.
    void record(const QString &text);
    // Records the first `length` characters of `text` without copying them, so that
    // many snapshots of one growing post share one string.
    void recordPrefix(const QString &text, qsizetype length);

    // The text to show, or nothing when there is no older (or newer) snapshot.
    std::optional<QString> undo();
    std::optional<QString> redo();

    qint16 intHistoryPos() const { return m_pos; }
    // strHistory(index), 0..99.
    QString strHistory(int index) const;
    bool holdsSentinel(int index) const;

private:
    // A slot's text is the first `length` characters of `text`.
    struct Snapshot
    {
        QString text;
        qsizetype length = 0;
        QStringView view() const { return QStringView(text).first(length); }
    };

    void store(Snapshot snapshot);

    std::array<Snapshot, slotCount> m_slots;
    qint16 m_pos = newestSlot;
};
