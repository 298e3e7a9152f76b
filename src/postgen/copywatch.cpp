#include "copywatch.h"

#include "autorun.h"

void CopyWatch::cleared(const QString &previousText, qint64 nowMs)
{
    // The first clear empties what was copied before the run; a later one
    // takes no copy away when the clipboard held what a manager had put back.
    m_lastClearTookNoCopy = !m_started || (!m_isCopy && previousText == m_current);
    m_started = true;
    m_current.clear();
    m_isCopy = false;
    if (!previousText.isEmpty() && !m_clearedTexts.contains(previousText))
        m_clearedTexts.append(previousText);
    m_clearedAt = nowMs;
    m_putBackPossible = !m_clearedTexts.isEmpty();
}

void CopyWatch::changed(const QString &text, qint64 nowMs)
{
    m_current = text;
    if (text.isEmpty()) {
        // The clear's own notice, or content without text: nothing to take, and
        // a manager may still put the cleared text back.
        m_isCopy = false;
        return;
    }
    const bool returned = m_putBackPossible && m_clearedTexts.contains(text)
        && nowMs - m_clearedAt <= putBackWindowMs;
    // Nobody copied what came back after such a clear: a manager is at work.
    if (returned && m_lastClearTookNoCopy)
        m_managerSeen = true;
    // Only the first text after a clear can be the manager's: a later one is the user's.
    m_putBackPossible = false;
    m_isCopy = !(returned && m_managerSeen);
}

void CopyWatch::polled(const QString &text, qint64 nowMs)
{
    if (text != m_current)
        changed(text, nowMs);
}

QString CopyWatch::copiedText() const
{
    return m_isCopy ? AutoRun::takenText(m_current) : QString();
}
