#include "platform.h"

#include "datafolder.h"
#include "desktopshell.h"
#include "lockfileinstance.h"
#include "systemclipboard.h"

#include <memory>

namespace {

// Until the window layer installs the real prompts, a box answers as if dismissed.
class SilentPrompts : public Prompts
{
public:
    MessageAnswer messageBox(const QString &, const QString &, MessageIcon,
                             MessageButtons buttons) override
    {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    QString inputBox(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QColor> pickColor(const QColor &, QList<QColor> &) override { return {}; }
};

struct Installed
{
    Prompts *prompts = nullptr;
    Prompts *defaultPrompts = nullptr;
    Shell *shell = nullptr;
    InstanceLock *lock = nullptr;
    Clipboard *clipboard = nullptr;
};

Installed &installed()
{
    static Installed value;
    return value;
}

} // namespace

Prompts &Platform::prompts()
{
    if (installed().prompts)
        return *installed().prompts;
    if (installed().defaultPrompts)
        return *installed().defaultPrompts;
    static SilentPrompts silent;
    return silent;
}

Shell &Platform::shell()
{
    static DesktopShell desktop;
    return installed().shell ? *installed().shell : desktop;
}

InstanceLock &Platform::instanceLock()
{
    if (installed().lock)
        return *installed().lock;
    static LockFileInstance real(DataFolder::programFolder());
    return real;
}

Clipboard &Platform::clipboard()
{
    if (installed().clipboard)
        return *installed().clipboard;
    static SystemClipboard system;
    return system;
}

void Platform::setPrompts(Prompts *prompts)
{
    installed().prompts = prompts;
}

void Platform::setShell(Shell *shell)
{
    installed().shell = shell;
}

void Platform::setInstanceLock(InstanceLock *lock)
{
    installed().lock = lock;
}

void Platform::setDefaultPrompts(Prompts *prompts)
{
    installed().defaultPrompts = prompts;
}

void Platform::setClipboard(Clipboard *clipboard)
{
    installed().clipboard = clipboard;
}

QString Clipboard::withPlatformLineEnds(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(u'\r', u'\n');
#ifdef Q_OS_WIN
    result.replace(u'\n', QStringLiteral("\r\n"));
#endif
    return result;
}
