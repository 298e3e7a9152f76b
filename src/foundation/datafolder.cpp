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

bool createAndSeed(const QString &folder)
{
    if (!QDir().mkdir(folder))
        return false;
    for (const QString &name : defaultFileNames()) {
        const QString target = folder + u'/' + name;
        if (QFile::copy(QStringLiteral(":/data/") + name, target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                              | QFile::ReadOther);
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
    if (FileExists(beside)) {
        if (isWritableFolder(beside))
            chosen = beside;
    } else if (!isInstalled() && createAndSeed(beside)) {
        chosen = beside;
    }
    if (chosen.isEmpty()) {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(base);
        chosen = base + QStringLiteral("/data");
        if (!FileExists(chosen))
            createAndSeed(chosen);
    }
    setPath(chosen);
    return chosen;
}

} // namespace DataFolder
