#include "postrecovery.h"

#include "foundation/datafolder.h"
#include "foundation/errorreport.h"
#include "foundation/platform.h"
#include "recovery/draftfile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <algorithm>

namespace {

const QString source = QStringLiteral("Main.Recovery");

} // namespace

PostRecovery::PostRecovery(Snapshot snapshot, QObject *parent)
    : QObject(parent), m_snapshot(std::move(snapshot)),
      m_clock([] { return QDeadlineTimer::current().deadline(); })
{
    setObjectName(QStringLiteral("recovery"));
    m_timer.setSingleShot(true);
    // A coarse timer may fire a twentieth late: the write is due 2 s after the change, not later.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PostRecovery::writeIfDue);
    m_writer.setMaxThreadCount(1);
}

PostRecovery::~PostRecovery()
{
    m_writer.waitForDone();
}

QString PostRecovery::path()
{
    return DataFolder::filePath(QStringLiteral("recovery.txt"));
}

std::optional<QString> PostRecovery::offer()
{
    const QString file = path();
    if (DataFolder::path().isEmpty() || !QFileInfo::exists(file))
        return std::nullopt;
    QString post;
    if (!runTrapped(source, [&] { post = DraftFile::readPost(file); }))
        return std::nullopt;
    // Only an unsaved post is ever written, so an empty file holds nothing to offer.
    if (!post.isEmpty()) {
        const MessageAnswer answer = Platform::prompts().messageBox(
            tr("Wuxo closed without saving the post you were writing. Recover it?"),
            tr("Recover Post?"), MessageIcon::Question, MessageButtons::YesNo);
        if (answer == MessageAnswer::Yes) {
            m_schedule.keepEarlierFile();
            return post;
        }
    }
    QFile::remove(file);
    return std::nullopt;
}

void PostRecovery::postChanged(bool unsaved)
{
    perform(m_schedule.postChanged(unsaved, m_clock()));
    armTimer();
}

void PostRecovery::writeIfDue()
{
    perform(m_schedule.timeReached(m_clock()));
    armTimer();
}

void PostRecovery::sessionEnding()
{
    if (m_schedule.sessionEnding() != RecoverySchedule::Action::Write)
        return;
    m_writer.waitForDone();
    want(m_snapshot());
    applyWanted();
}

void PostRecovery::windowClosed()
{
    perform(m_schedule.windowClosed());
    m_writer.waitForDone();
}

void PostRecovery::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

void PostRecovery::waitForWriter()
{
    m_writer.waitForDone();
}

void PostRecovery::perform(RecoverySchedule::Action action)
{
    switch (action) {
    case RecoverySchedule::Action::None:
        return;
    case RecoverySchedule::Action::Write:
        want(m_snapshot());
        break;
    case RecoverySchedule::Action::Remove:
        want(std::nullopt);
        break;
    }
    m_writer.start([this] {
        if (const std::optional<WuxoError> error = applyWanted()) {
            QMetaObject::invokeMethod(
                this, [this, failure = *error] { reportFailure(failure); }, Qt::QueuedConnection);
        }
    });
}

void PostRecovery::want(std::optional<QString> post)
{
    const QMutexLocker lock(&m_mutex);
    m_wanted = Wanted{path(), std::move(post)};
}

// Runs on the writer's thread (or on the window's, once the writer is idle).
// Only the latest wish counts: a write that a newer one replaced never happens.
std::optional<WuxoError> PostRecovery::applyWanted()
{
    Wanted wanted;
    {
        const QMutexLocker lock(&m_mutex);
        if (!m_wanted)
            return std::nullopt;
        wanted = std::move(*m_wanted);
        m_wanted.reset();
    }
    try {
        if (wanted.post)
            DraftFile::save(wanted.path, *wanted.post);
        else
            QFile::remove(wanted.path);
    } catch (const WuxoError &error) {
        return error;
    } catch (const std::bad_alloc &) {
        return WuxoError(ErrorNumber::OutOfMemory);
    }
    return std::nullopt;
}

void PostRecovery::armTimer()
{
    const std::optional<qint64> due = m_schedule.writeDue();
    if (!due) {
        m_timer.stop();
        return;
    }
    // A change only ever moves the write later, so a running timer stays: when
    // it fires early, writeIfDue() arms it again for the rest.
    if (!m_timer.isActive())
        m_timer.start(int(std::max<qint64>(0, *due - m_clock())));
}

// Once per run: a disk that stays full must not interrupt the typing again.
void PostRecovery::reportFailure(const WuxoError &error)
{
    if (m_reported)
        return;
    m_reported = true;
    ReportError(source, error);
}
