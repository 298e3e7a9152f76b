#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The post's undo history: snapshots of the whole post in 100 slots, the newest
// in slot 99, older ones below, and the sentinel "smeebux" in every slot that
// holds none. It only keeps texts; the window writes what Undo and Redo return.
//
// Only the newest snapshot is kept whole. Every older one is kept as the
// difference to the snapshot above it, so a history of a long post costs little
// more than the post itself, and recording a keystroke copies no text.
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
    // Records the first `length` characters of `text`. When the newest snapshot
    // is a shorter prefix of the same string, this costs only the added part, so
    // a draft read line by line is recorded in linear time.
    void recordPrefix(const QString &text, qsizetype length);
    // A text brought back in steps, as a draft is line by line: records the
    // first `length` characters of `text` for each of `steps` in turn, so Undo
    // takes the steps back one at a time.
    void replay(const QString &text, const QList<qsizetype> &steps);

    // The text to show, or nothing when there is no older (or newer) snapshot.
    std::optional<QString> undo();
    std::optional<QString> redo();

    qint16 intHistoryPos() const { return m_pos; }
    // strHistory(index), 0..99.
    QString strHistory(int index) const;
    bool holdsSentinel(int index) const;

private:
    // A slot below the newest: its text is the text of the slot above with
    // [position, position + newer.size()) replaced by `older`.
    struct Difference
    {
        bool empty = true; // the sentinel
        qsizetype position = 0;
        QString newer;
        QString older;
        qsizetype length = 0; // of this slot's text
    };

    void store(const QString &text, qsizetype length);
    QString shownText() const;
    QString textAt(int index) const;
    static Difference difference(QStringView from, QStringView to);

    std::array<Difference, slotCount - 1> m_older;
    // The newest snapshot: the first m_newestLength characters of m_newest.
    QString m_newest;
    qsizetype m_newestLength = 0;
    qint16 m_pos = newestSlot;
    // The text of slot m_pos while it lies below the newest.
    mutable std::optional<QString> m_shown;
};
