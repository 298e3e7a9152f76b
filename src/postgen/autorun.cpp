#include "autorun.h"

#include <QCoreApplication>

AutoRun::AutoRun(const QList<FieldDefinition> &definitions)
{
    m_autoKinds.reserve(definitions.size());
    m_captions.reserve(definitions.size());
    m_autoBefore.reserve(definitions.size());
    for (const FieldDefinition &definition : definitions) {
        m_autoKinds.append(definition.AutoKind);
        m_captions.append(definition.Caption);
        m_autoBefore.append(m_autoCount);
        if (definition.AutoKind != 0)
            ++m_autoCount;
    }
}

int AutoRun::progressNumber() const
{
    return isFinished() ? m_autoCount + 1 : m_autoBefore.at(m_step) + 1;
}

AutoRun::Action AutoRun::action() const
{
    if (isFinished())
        return Action::Wait;
    switch (m_autoKinds.at(m_step)) {
    case 0:
        return Action::Pass;
    case 1:
        return Action::TakeClipboard;
    case 2:
        return Action::AskInput;
    default:
        return Action::Wait;
    }
}

QString AutoRun::progressCaption() const
{
    const Action next = action();
    if (isFinished() || next == Action::Pass)
        return QString();
    const QString progress = QCoreApplication::translate("AutoRun", "%1 (%2/%3)")
                                 .arg(m_captions.at(m_step), QString::number(progressNumber()),
                                      QString::number(m_autoCount));
    if (next == Action::TakeClipboard)
        return QCoreApplication::translate("AutoRun", "%1 [Awaiting copy]").arg(progress);
    if (next == Action::AskInput)
        return QCoreApplication::translate("AutoRun", "%1 [Awaiting input]").arg(progress);
    return progress;
}

QString AutoRun::inputPrompt() const
{
    return isFinished() ? QString()
                        : QCoreApplication::translate("AutoRun", "%1:").arg(m_captions.at(m_step));
}

void AutoRun::advance()
{
    if (!isFinished())
        ++m_step;
}

QString AutoRun::takenText(const QString &clipboardText)
{
    qsizetype first = 0;
    qsizetype last = clipboardText.size();
    while (first < last && clipboardText.at(first) == u' ')
        ++first;
    while (last > first && clipboardText.at(last - 1) == u' ')
        --last;
    return clipboardText.mid(first, last - first);
}
