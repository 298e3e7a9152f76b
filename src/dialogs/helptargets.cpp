#include "helptargets.h"

#include "buildinfo.h"
#include "foundation/datafolder.h"
#include "foundation/platform.h"

#include <QDir>

namespace HelpTargets {

QString versionText()
{
    return QStringLiteral("%1.%2 (Build %3)")
        .arg(BuildInfo::versionMajor)
        .arg(BuildInfo::versionMinor)
        .arg(BuildInfo::versionRevision);
}

QString readMe()
{
    const QString beside = DataFolder::programFolder() + QStringLiteral("/Read Me.html");
    // An installed program keeps its guide with the other documentation.
    const QString installed
        = DataFolder::programFolder() + QStringLiteral("/../share/doc/wuxo/Read Me.html");
    if (!FileExists(beside) && FileExists(installed))
        return QDir::cleanPath(installed);
    return beside;
}

QString website()
{
    return QString::fromUtf8(BuildInfo::website);
}

QString supportEmail()
{
    return QString::fromUtf8(BuildInfo::supportEmail);
}

QString update()
{
    return website()
        + QStringLiteral("/vercheck.php?app=Wuxo&ver=%1.%2")
              .arg(BuildInfo::versionMajor)
              .arg(BuildInfo::versionMinor);
}

QString forums()
{
    return website() + QStringLiteral("/forums");
}

QString emailMenu()
{
    return QStringLiteral("mailto:") + supportEmail() + QStringLiteral("?subject=Wuxo v")
        + versionText();
}

QString emailAbout()
{
    return QStringLiteral("mailto:") + supportEmail()
        + QStringLiteral("?subject=Wuxo%20v%1.%2%20(Build%20%3)")
              .arg(BuildInfo::versionMajor)
              .arg(BuildInfo::versionMinor)
              .arg(BuildInfo::versionRevision);
}

QString donate()
{
    return website() + QStringLiteral("/?p=donate&app=Wuxo");
}

void openDefault(const QString &target)
{
    Platform::shell().open(target);
}

void openWithVerb(const QString &target)
{
    Platform::shell().open(target, QStringLiteral("Open"));
}

} // namespace HelpTargets
