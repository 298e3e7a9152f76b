#include "copywatch.h"

#include "autorun.h"

void CopyWatch::cleared(const QString &previousText, qint64 nowMs)
{
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
    const bool putBack = m_putBackPossible && m_clearedTexts.contains(text)
        && nowMs - m_clearedAt <= putBackWindowMs;
    // Only the first text after a clear can be the manager's: a later one is the user's.
    m_putBackPossible = false;
    m_isCopy = !putBack;
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
