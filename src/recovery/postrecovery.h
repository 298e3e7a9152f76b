#pragma once

#include "foundation/wuxoerror.h"
#include "recovery/recoveryschedule.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <optional>

// Keeps the post being written in "recovery.txt" in the data folder, in the
// draft's format, so that a crash, a killed program or the end of the desktop
// session loses nothing: written a moment after the typing pauses, removed when
// nothing is left to lose, and offered back at the next start. Writes and
// removals run one after another on a thread of their own, from a snapshot the
// window hands over, so a long post never holds up typing.
class PostRecovery : public QObject
{
    Q_OBJECT
public:
    // The post as it stands, cheap to take (the edit history's shown snapshot).
    using Snapshot = std::function<QString()>;
    // Milliseconds on a steady clock.
    using Clock = std::function<qint64()>;

    explicit PostRecovery(Snapshot snapshot, QObject *parent = nullptr);
    ~PostRecovery() override;

    static QString path();

    // At start: the post an earlier run left behind, when the user takes it
    // back ("Recover Post?"). No removes the file; an unreadable file is
    // reported and left where it is.
    std::optional<QString> offer();

    // The post changed, or its unsaved state did; `unsaved` while the editor is
    // not empty and the post has not been copied, saved or opened since.
    void postChanged(bool unsaved);
    // The desktop session ends: the unsaved post is on disk when this returns.
    // A failure here is not reported, as the session may allow no box.
    void sessionEnding();
    // The window closed with the user's answer: the file goes.
    void windowClosed();

    void setClock(Clock clock);
    std::optional<qint64> writeDue() const { return m_schedule.writeDue(); }
    // Waits until every write and removal asked for so far is done.
    void waitForWriter();

public slots:
    // The timer's slot: writes when the schedule says a write is due.
    void writeIfDue();

private:
    struct Wanted
    {
        QString path;
        std::optional<QString> post; // nothing: remove the file
    };

    void perform(RecoverySchedule::Action action);
    void want(std::optional<QString> post);
    void armTimer();
    std::optional<WuxoError> applyWanted();
    void reportFailure(const WuxoError &error);

    Snapshot m_snapshot;
    Clock m_clock;
    RecoverySchedule m_schedule;
    QTimer m_timer;
    bool m_reported = false;

    QMutex m_mutex;
    std::optional<Wanted> m_wanted; // guarded by m_mutex
    QThreadPool m_writer;
};
