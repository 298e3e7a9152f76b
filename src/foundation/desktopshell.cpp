#include "desktopshell.h"

#include "datafolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QRegularExpression>

QUrl DesktopShell::urlFor(const QString &target, const QString &workingFolder)
{
    // Two or more letters before ":" make a scheme; one letter would be a Windows drive.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(target).hasMatch())
        return QUrl(target, QUrl::TolerantMode);
    const QString path = QDir(workingFolder).absoluteFilePath(target);
    return QUrl::fromLocalFile(QDir::cleanPath(path));
}

void DesktopShell::open(const QString &target, const QString &)
{
    if (target.isEmpty())
        return;
    QDesktopServices::openUrl(urlFor(target, DataFolder::programFolder()));
}
