#pragma once

#include <QtGlobal>

#include <optional>

// Decides when the post goes to the recovery file and when the file goes away.
// The post is "unsaved" while the editor is not empty and it changed since it
// was last copied, saved or opened; times are milliseconds on a steady clock.
class RecoverySchedule
{
public:
    // A write follows a pause of this long in typing...
    static constexpr qint64 pause = 2000;
    // ...and comes at least this long after the first change it has not written.
    static constexpr qint64 longestWait = 10000;

    enum class Action { None, Write, Remove };

    // The post changed, or whether it is unsaved did.
    Action postChanged(bool unsaved, qint64 now);
    // The time has come for the write that writeDue() named (or not yet).
    Action timeReached(qint64 now);
    // The desktop session ends: an unsaved post is written at once.
    Action sessionEnding();
    // The window closed after the close question (or with nothing to ask).
    Action windowClosed();
    // The file an earlier run left is kept: the user took its post back.
    void keepEarlierFile();

    // When the next write is due; nothing while no change waits for one.
    std::optional<qint64> writeDue() const { return m_due; }

private:
    Action write();
    Action remove();

    bool m_unsaved = false;
    bool m_fileMayExist = false;
    std::optional<qint64> m_firstUnwritten;
    std::optional<qint64> m_due;
};
