#include "datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

namespace {

struct Folders
{
    QString program;
    QString data;
};

Folders &folders()
{
    static Folders value;
    return value;
}

bool isWritableFolder(const QString &folder)
{
    // QFileInfo::isWritable() only reads permission bits; a read-only mount
    // or an ACL can still refuse, so try for real.
    QTemporaryFile probe(folder + QStringLiteral("/.wuxo-write-test-XXXXXX"));
    return probe.open();
}

} // namespace

namespace DataFolder {

QString programFolder()
{
    if (folders().program.isEmpty())
        return QCoreApplication::applicationDirPath();
    return folders().program;
}

void setProgramFolder(const QString &folder)
{
    folders().program = folder;
}

QString path()
{
    return folders().data;
}

void setPath(const QString &folder)
{
    folders().data = folder;
}

QString filePath(const QString &fileName)
{
    return folders().data + u'/' + fileName;
}

QStringList defaultFileNames()
{
    return {QStringLiteral("insert.txt"), QStringLiteral("web.txt"), QStringLiteral("tags.txt"),
            QStringLiteral("template.txt"), QStringLiteral("preview.txt")};
}

bool createAndSeed(const QString &folder, const QString &source)
{
    if (!QDir().mkdir(folder))
        return false;
    const auto copy = [&](const QString &from, const QString &name) {
        // A copy of a locked file would be locked too: the user owns the new one.
        const QString target = folder + u'/' + name;
        if (QFile::copy(from, target))
            QFile::setPermissions(
                target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    };
    const QString prefs = QStringLiteral("prefs.txt");
    if (!source.isEmpty() && QFileInfo(source + u'/' + prefs).isFile())
        copy(source + u'/' + prefs, prefs);
    for (const QString &name : defaultFileNames()) {
        const QString own = source.isEmpty() ? QString() : source + u'/' + name;
        copy(!own.isEmpty() && QFileInfo(own).isFile() ? own : QStringLiteral(":/data/") + name,
             name);
    }
    return true;
}

bool isInstalled()
{
    return FileExists(programFolder() + QStringLiteral("/../share/doc/wuxo/Read Me.html"));
}

QString ensure()
{
    const QString beside = programFolder() + QStringLiteral("/data");
    QString chosen;
    QString seedFrom;
    if (FileExists(beside)) {
        if (isWritableFolder(beside))
            chosen = beside;
        else if (QFileInfo(beside).isDir())
            seedFrom = beside;
    } else if (!isInstalled() && createAndSeed(beside)) {
        chosen = beside;
    }
    if (chosen.isEmpty()) {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(base);
        chosen = base + QStringLiteral("/data");
        if (!FileExists(chosen))
            createAndSeed(chosen, seedFrom);
    }
    setPath(chosen);
    return chosen;
}

} // namespace DataFolder
