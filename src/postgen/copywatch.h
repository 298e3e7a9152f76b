#pragma once

#include <QString>
#include <QStringList>

// Tells, during an automatic run, whether the clipboard holds a copy the user
// made, as opposed to a text a clipboard manager put back the moment the run
// emptied the clipboard (many managers never let it stay empty). The run tells
// it when it clears the clipboard; change notices and the ticks' reads tell it
// what the clipboard holds. Times are milliseconds of a steady clock.
// A text that comes back counts as put back only once the run has seen a
// manager at work: a text back right after a clear that took no copy away (the
// run's start, say). Until then every new copy is taken, the same text twice
// included. A manager that missed the last copy (one that looks only now and
// then) puts back an older text instead, so every text the run has cleared counts.
class CopyWatch
{
public:
    // Beside a manager, a text that comes back this soon after the run cleared
    // it is put back, not copied.
    static constexpr qint64 putBackWindowMs = 1000;

    // The run emptied the clipboard, which held `previousText` ("" for none).
    void cleared(const QString &previousText, qint64 nowMs);
    // The clipboard's content was replaced; it now holds `text` ("" for no text).
    void changed(const QString &text, qint64 nowMs);
    // A tick read `text`; a content that no notice told of counts as a change.
    void polled(const QString &text, qint64 nowMs);

    // The copy a clipboard field takes: the copied text with its spaces trimmed,
    // or "" while the clipboard holds no copy of the user's.
    QString copiedText() const;

private:
    QString m_current; // the content as last seen
    bool m_isCopy = false;
    QStringList m_clearedTexts; // every text the run emptied the clipboard of
    qint64 m_clearedAt = 0;
    bool m_putBackPossible = false;
    bool m_started = false; // the run has cleared the clipboard
    bool m_lastClearTookNoCopy = false;
    bool m_managerSeen = false;
};
