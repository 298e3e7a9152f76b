#include "testdatafolder.h"

#include "foundation/datafolder.h"

#include <QDir>
#include <QFile>

TestDataFolder::TestDataFolder(bool seeded)
{
    const QString data = dataFolder();
    if (seeded)
        DataFolder::createAndSeed(data);
    else
        QDir().mkdir(data);
    DataFolder::setProgramFolder(programFolder());
    DataFolder::setPath(data);
}

TestDataFolder::~TestDataFolder()
{
    DataFolder::setProgramFolder(QString());
    DataFolder::setPath(QString());
}

QString TestDataFolder::programFolder() const
{
    return m_dir.path();
}

QString TestDataFolder::dataFolder() const
{
    return m_dir.path() + QStringLiteral("/data");
}

QString TestDataFolder::path(const QString &fileName) const
{
    return dataFolder() + u'/' + fileName;
}

void TestDataFolder::write(const QString &fileName, const QByteArray &bytes) const
{
    QFile file(path(fileName));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray TestDataFolder::read(const QString &fileName) const
{
    QFile file(path(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TestDataFolder::exists(const QString &fileName) const
{
    return QFile::exists(path(fileName));
}

void TestDataFolder::remove(const QString &fileName) const
{
    QFile::remove(path(fileName));
}
