#pragma once

#include "foundation/platform.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A message box, input box or colour picker the program asked for, as a test sees it.
struct PromptRecord
{
    enum Kind { Message, Input, Color } kind = Message;
    QString text;  // message text or input prompt
    QString title; // empty for the colour picker
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    QString defaultText;
    QColor initialColor;
};

// Answers prompts from a script instead of showing them, and records every one.
// Installs itself on construction and puts the real prompts back on destruction.
// Every prompt takes the next answer of its kind; a prompt with none queued fails
// the running test, naming the prompt, so an unexpected error box never goes
// unnoticed. It then answers as a hasty user would: OK (or Cancel when there is
// no OK), "" for an input box, and a cancelled colour picker.
class ScriptedPrompts : public Prompts
{
public:
    ScriptedPrompts();
    ~ScriptedPrompts() override;

    void queueAnswer(MessageAnswer answer);
    void queueInput(const QString &text);
    void queueColor(const std::optional<QColor> &color);
    // Runs while the prompt is "open", e.g. to check what a tick does meanwhile.
    void setOnPrompt(std::function<void(const PromptRecord &)> callback);

    QList<PromptRecord> records;
    int pendingAnswers() const { return int(m_answers.size() + m_inputs.size() + m_colors.size()); }
    QStringList titles() const;

    MessageAnswer messageBox(const QString &text, const QString &title, MessageIcon icon,
                             MessageButtons buttons) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    std::optional<QColor> pickColor(const QColor &initial, QList<QColor> &customColors) override;

    QList<QColor> lastCustomColors;

private:
    void unscripted(const PromptRecord &record) const;

    QList<MessageAnswer> m_answers;
    QStringList m_inputs;
    QList<std::optional<QColor>> m_colors;
    std::function<void(const PromptRecord &)> m_onPrompt;
};

// Records what the program handed to the desktop to open.
class RecordingShell : public Shell
{
public:
    struct Request
    {
        QString target;
        QString verb;
        QString parameters;
        QString workingFolder;
    };
    RecordingShell();
    ~RecordingShell() override;
    void open(const QString &target, const QString &verb, const QString &parameters,
              const QString &workingFolder) override;
    QStringList targets() const;
    QList<Request> requests;
};

// An instance lock whose answer the test chooses.
class FakeInstanceLock : public InstanceLock
{
public:
    explicit FakeInstanceLock(bool free = true);
    ~FakeInstanceLock() override;
    bool tryAcquire() override { return free; }
    bool free;
};
