#pragma once

#include "foundation/platform.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

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
    // The titles of the error reports shown (the boxes with the Critical icon).
    QStringList reportTitles() const;

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
    };
    RecordingShell();
    ~RecordingShell() override;
    void open(const QString &target, const QString &verb) override;
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

// A clipboard held in memory; the test plays the other programs. copy() puts
// content on it as a browser or editor would and emits changed(); what the
// program writes is kept in `written` (as stored, with the platform's line
// ends). With `refillsWhenCleared` it acts like a clipboard manager that never
// lets the clipboard stay empty: a clear puts the last text back at once, and
// changed() is emitted for the clear and for the refill.
// Installs itself on construction and puts the real clipboard back on destruction.
class FakeClipboard : public Clipboard
{
    Q_OBJECT
public:
    FakeClipboard();
    ~FakeClipboard() override;

    QString text() const override { return m_hasText ? m_text : QString(); }
    bool hasText() const override { return m_hasText; }
    QString html() const override { return m_html; }
    QUrl sourceUrl() const override { return m_sourceUrl; }
    void clear() override;
    bool seesOtherPrograms() const override { return seesOthers; }

    // Another program copies text, with an HTML flavour and the page's address if given.
    void copy(const QString &text, const QString &html = QString(), const QUrl &source = QUrl());
    // Another program copies something without a text flavour (an image, or HTML alone).
    void copyWithoutText(const QString &html = QString(), const QUrl &source = QUrl());
    // The clipboard manager puts its last text back, as it does when it finds the clipboard empty.
    void refill();

    bool refillsWhenCleared = false;
    bool seesOthers = true;
    QStringList written;
    int clears = 0;

protected:
    void writeText(const QString &text) override;

private:
    void setContent(bool hasText, const QString &text, const QString &html, const QUrl &source);

    bool m_hasText = false;
    QString m_text;
    QString m_html;
    QUrl m_sourceUrl;
    QString m_managerText; // the last text the manager saw
};
