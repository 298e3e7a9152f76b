#include "fakes.h"

#include <QTest>

ScriptedPrompts::ScriptedPrompts()
{
    Platform::setPrompts(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    Platform::setPrompts(nullptr);
}

void ScriptedPrompts::queueAnswer(MessageAnswer answer)
{
    m_answers.append(answer);
}

void ScriptedPrompts::queueInput(const QString &text)
{
    m_inputs.append(text);
}

void ScriptedPrompts::queueColor(const std::optional<QColor> &color)
{
    m_colors.append(color);
}

void ScriptedPrompts::setOnPrompt(std::function<void(const PromptRecord &)> callback)
{
    m_onPrompt = std::move(callback);
}

QStringList ScriptedPrompts::titles() const
{
    QStringList list;
    for (const PromptRecord &record : records)
        list.append(record.title);
    return list;
}

QStringList ScriptedPrompts::reportTitles() const
{
    QStringList list;
    for (const PromptRecord &record : records) {
        if (record.icon == MessageIcon::Critical)
            list.append(record.title);
    }
    return list;
}

void ScriptedPrompts::unscripted(const PromptRecord &record) const
{
    static const char *const kinds[] = {"message box", "input box", "colour picker"};
    const QString what = QStringLiteral("unscripted %1 \"%2\": %3")
                             .arg(QLatin1String(kinds[record.kind]), record.title, record.text);
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
}

MessageAnswer ScriptedPrompts::messageBox(const QString &text, const QString &title,
                                          MessageIcon icon, MessageButtons buttons)
{
    PromptRecord record;
    record.kind = PromptRecord::Message;
    record.text = text;
    record.title = title;
    record.icon = icon;
    record.buttons = buttons;
    records.append(record);
    if (m_onPrompt)
        m_onPrompt(record);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    unscripted(record);
    return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel
        ? MessageAnswer::Ok
        : MessageAnswer::Cancel;
}

QString ScriptedPrompts::inputBox(const QString &prompt, const QString &title,
                                  const QString &defaultText)
{
    PromptRecord record;
    record.kind = PromptRecord::Input;
    record.text = prompt;
    record.title = title;
    record.defaultText = defaultText;
    records.append(record);
    if (m_onPrompt)
        m_onPrompt(record);
    if (!m_inputs.isEmpty())
        return m_inputs.takeFirst();
    unscripted(record);
    return QString();
}

std::optional<QColor> ScriptedPrompts::pickColor(const QColor &initial, QList<QColor> &customColors)
{
    PromptRecord record;
    record.kind = PromptRecord::Color;
    record.initialColor = initial;
    records.append(record);
    lastCustomColors = customColors;
    if (m_onPrompt)
        m_onPrompt(record);
    if (!m_colors.isEmpty())
        return m_colors.takeFirst();
    unscripted(record);
    return std::nullopt;
}

RecordingShell::RecordingShell()
{
    Platform::setShell(this);
}

RecordingShell::~RecordingShell()
{
    Platform::setShell(nullptr);
}

void RecordingShell::open(const QString &target, const QString &verb)
{
    requests.append({target, verb});
}

QStringList RecordingShell::targets() const
{
    QStringList list;
    for (const Request &request : requests)
        list.append(request.target);
    return list;
}

FakeInstanceLock::FakeInstanceLock(bool free) : free(free)
{
    Platform::setInstanceLock(this);
}

FakeInstanceLock::~FakeInstanceLock()
{
    Platform::setInstanceLock(nullptr);
}

FakeClipboard::FakeClipboard()
{
    Platform::setClipboard(this);
}

FakeClipboard::~FakeClipboard()
{
    Platform::setClipboard(nullptr);
}

void FakeClipboard::setContent(bool hasText, const QString &text, const QString &html,
                               const QUrl &source)
{
    m_hasText = hasText;
    m_text = hasText ? text : QString();
    m_html = html;
    m_sourceUrl = source;
    if (hasText && !text.isEmpty())
        m_managerText = text;
    emit changed();
}

void FakeClipboard::copy(const QString &text, const QString &html, const QUrl &source)
{
    setContent(true, text, html, source);
}

void FakeClipboard::copyWithoutText(const QString &html, const QUrl &source)
{
    setContent(false, QString(), html, source);
}

void FakeClipboard::refill()
{
    setContent(!m_managerText.isEmpty(), m_managerText, QString(), QUrl());
}

void FakeClipboard::clear()
{
    ++clears;
    setContent(false, QString(), QString(), QUrl());
    if (refillsWhenCleared && !m_managerText.isEmpty())
        refill();
}

void FakeClipboard::writeText(const QString &text)
{
    written.append(text);
    setContent(true, text, QString(), QUrl());
}
