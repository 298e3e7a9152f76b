#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away program folder with a "data" folder in it, made the data folder
// in use for the test's lifetime.
class TestDataFolder
{
public:
    // Seeds the data folder with the shipped defaults unless `empty`.
    explicit TestDataFolder(bool seeded = true);
    ~TestDataFolder();

    QString programFolder() const;
    QString dataFolder() const;
    QString path(const QString &fileName) const;
    void write(const QString &fileName, const QByteArray &bytes) const;
    QByteArray read(const QString &fileName) const;
    bool exists(const QString &fileName) const;
    void remove(const QString &fileName) const;

private:
    QTemporaryDir m_dir;
};
