#pragma once

#include "fielddefinition.h"

#include <QList>
#include <QString>

// Where an automatic run of the post generator stands and what its next tick
// does: the run walks the fields in order, taking clipboard fields from copied
// text, asking for input fields and passing the others.
class AutoRun
{
public:
    enum class Action {
        Pass,          // AutoKind 0: one tick passes the field
        TakeClipboard, // AutoKind 1: waits for copied text
        AskInput,      // AutoKind 2: asks in an input prompt
        Wait           // any other AutoKind: the run stays here until cancelled
    };

    AutoRun() = default;
    explicit AutoRun(const QList<FieldDefinition> &definitions);

    int fieldCount() const { return int(m_autoKinds.size()); } // n
    int autoCount() const { return m_autoCount; }              // fields not passed over
    int step() const { return m_step; }                        // the field the next tick is at
    bool isFinished() const { return m_step >= fieldCount(); }

    // 1 + the fields before the step that the run does not pass over.
    int progressNumber() const;
    Action action() const;
    // "Caption (k/nAuto)" with " [Awaiting copy]" or " [Awaiting input]" after it
    // for clipboard and input fields; empty for a field passed over, whose tick
    // leaves the caption as it is.
    QString progressCaption() const;
    // The input prompt's text for the field at the step: its caption and ":".
    QString inputPrompt() const;

    void advance();
    void reset() { m_step = 0; }

    // Copied text as a field takes it: spaces (only) trimmed from both ends.
    static QString takenText(const QString &clipboardText);

private:
    QList<qint16> m_autoKinds;
    QStringList m_captions;
    QList<int> m_autoBefore; // fields not passed over before each field
    int m_autoCount = 0;
    int m_step = 0;
};
