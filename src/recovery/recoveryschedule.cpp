#include "recoveryschedule.h"

#include <algorithm>

RecoverySchedule::Action RecoverySchedule::postChanged(bool unsaved, qint64 now)
{
    m_unsaved = unsaved;
    if (!unsaved)
        return remove();
    if (!m_firstUnwritten)
        m_firstUnwritten = now;
    m_due = std::min(now + pause, *m_firstUnwritten + longestWait);
    return Action::None;
}

RecoverySchedule::Action RecoverySchedule::timeReached(qint64 now)
{
    if (!m_due || now < *m_due)
        return Action::None;
    return write();
}

RecoverySchedule::Action RecoverySchedule::sessionEnding()
{
    return m_unsaved ? write() : Action::None;
}

RecoverySchedule::Action RecoverySchedule::windowClosed()
{
    m_unsaved = false;
    return remove();
}

void RecoverySchedule::keepEarlierFile()
{
    m_fileMayExist = true;
}

RecoverySchedule::Action RecoverySchedule::write()
{
    m_firstUnwritten.reset();
    m_due.reset();
    // Even a write that fails may have left a file from an earlier success.
    m_fileMayExist = true;
    return Action::Write;
}

RecoverySchedule::Action RecoverySchedule::remove()
{
    m_firstUnwritten.reset();
    m_due.reset();
    if (!m_fileMayExist)
        return Action::None;
    m_fileMayExist = false;
    return Action::Remove;
}
