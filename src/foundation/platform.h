#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <optional>

// The program's few doors to the outside world. Each is a small interface with
// a real implementation and a scripted fake for tests; `Platform` holds the
// ones in use (the real ones unless a test installs its own).

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Modal message box, input box and colour picker.
class Prompts
{
public:
    virtual ~Prompts() = default;
    // Text and title are shown as given; line breaks may be CR LF, CR or LF.
    virtual MessageAnswer messageBox(const QString &text, const QString &title, MessageIcon icon,
                                     MessageButtons buttons)
        = 0;
    // Returns the text the user accepted; Cancel (or closing the box) gives "".
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText)
        = 0;
    // Opens at `initial` with the custom colours, which the picker may change.
    // Returns the confirmed colour, or nothing when the user cancelled.
    virtual std::optional<QColor> pickColor(const QColor &initial, QList<QColor> &customColors) = 0;
};

// Hands a file, folder, web address or mail link to the desktop to open with its
// default program. The result is never looked at, so nothing is returned.
class Shell
{
public:
    virtual ~Shell() = default;
    // `verb` is "" for the default action or "Open". A relative target is looked
    // up in the program's folder.
    virtual void open(const QString &target, const QString &verb = QString()) = 0;
};

// Tells whether another instance of the program already runs for this user and
// program folder; the first caller that gets `true` holds the lock until exit.
class InstanceLock
{
public:
    virtual ~InstanceLock() = default;
    virtual bool tryAcquire() = 0;
};

// The system clipboard. What the program puts there carries the platform's line
// ends (LF outside Windows); what it reads may come from any program.
class Clipboard : public QObject
{
    Q_OBJECT
public:
    // The plain text; "" when the clipboard holds none.
    virtual QString text() const = 0;
    virtual bool hasText() const = 0;
    // The HTML flavour (text/html) as the copying program wrote it; "" when there is none.
    virtual QString html() const = 0;
    // The address of the page the content was copied from, when the clipboard says
    // so (browsers add it beside the HTML); empty otherwise.
    virtual QUrl sourceUrl() const = 0;
    // Replaces the content with plain text. Line breaks (CR LF, lone CR or LF)
    // become the platform's.
    void setText(const QString &text) { writeText(withPlatformLineEnds(text)); }
    virtual void clear() = 0;
    // False where the program hears of the clipboard only while it has the keyboard
    // focus (a native Wayland session), so copies made in other programs go unseen.
    virtual bool seesOtherPrograms() const = 0;

    static QString withPlatformLineEnds(const QString &text);

signals:
    // The content was replaced or cleared, by this program or another.
    void changed();

protected:
    virtual void writeText(const QString &text) = 0;
};

class Platform
{
public:
    static Prompts &prompts();
    static Shell &shell();
    static InstanceLock &instanceLock();
    static Clipboard &clipboard();

    // Install replacements; nullptr puts the real one back. The caller keeps ownership.
    static void setPrompts(Prompts *prompts);
    static void setShell(Shell *shell);
    static void setInstanceLock(InstanceLock *lock);
    static void setClipboard(Clipboard *clipboard);
    // The real prompts need widgets, so the window layer provides them at start-up.
    static void setDefaultPrompts(Prompts *prompts);
};
