#include "foundation/datafolder.h"
#include "foundation/lockfileinstance.h"
#include "readonlypath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

class TestDataFolderRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup()
    {
        DataFolder::setProgramFolder(QString());
        DataFolder::setPath(QString());
    }

    void fileExists()
    {
        QTemporaryDir dir;
        QFile(dir.filePath(QStringLiteral("a.txt"))).open(QIODevice::WriteOnly);
        QVERIFY(FileExists(dir.path()));
        QVERIFY(FileExists(dir.filePath(QStringLiteral("a.txt"))));
        QVERIFY(!FileExists(dir.filePath(QStringLiteral("b.txt"))));
        QVERIFY(!FileExists(dir.filePath(QStringLiteral("nofolder/a.txt"))));
        QVERIFY(!FileExists(QString()));
    }

    void createsAndSeedsAMissingFolder()
    {
        QTemporaryDir program;
        DataFolder::setProgramFolder(program.path());
        const QString data = DataFolder::ensure();
        QCOMPARE(data, program.path() + QStringLiteral("/data"));
        for (const QString &name : DataFolder::defaultFileNames()) {
            QFile file(data + u'/' + name);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            QVERIFY(file.size() > 0);
        }
        QVERIFY(QFile(data + QStringLiteral("/preview.txt")).open(QIODevice::ReadOnly));
        QVERIFY(QFile::exists(DataFolder::filePath(QStringLiteral("tags.txt"))));
    }

    void neverTouchesAnExistingFolder()
    {
        QTemporaryDir program;
        QDir(program.path()).mkdir(QStringLiteral("data"));
        DataFolder::setProgramFolder(program.path());
        QCOMPARE(DataFolder::ensure(), program.path() + QStringLiteral("/data"));
        QVERIFY(QDir(program.path() + QStringLiteral("/data")).isEmpty());
    }

    void readOnlyProgramFolderUsesTheUserFolder()
    {
        QTemporaryDir program;
        QString data;
        {
            ReadOnlyPath readOnly(program.path());
            QVERIFY2(readOnly.isReadOnly(), qPrintable(readOnly.error()));
            DataFolder::setProgramFolder(program.path());
            data = DataFolder::ensure();
        }
        QVERIFY(!QFile::exists(program.path() + QStringLiteral("/data")));
        QVERIFY(data.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
        QVERIFY(QFile::exists(data + QStringLiteral("/insert.txt")));
        QDir(data).removeRecursively();
    }

    void newFolderIsFilledFromTheProgramsOwnData()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("shared"));
        QDir().mkdir(source);
        const auto write = [&](const char *name, const QByteArray &bytes) {
            QFile file(source + u'/' + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
            file.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        };
        write("prefs.txt", "[Branding]\r\nName=Shared Desk\r\n");
        write("insert.txt", "Team|hello\r\n");
        write("draft.txt", "someone's draft\r\n");
        write("ErrorLog.txt", "old errors\r\n");

        const QString folder = dir.filePath(QStringLiteral("mine"));
        QVERIFY(DataFolder::createAndSeed(folder, source));
        const auto read = [&](const QString &name) {
            QFile file(folder + u'/' + name);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
        };
        QCOMPARE(read(QStringLiteral("prefs.txt")),
                 QByteArray("[Branding]\r\nName=Shared Desk\r\n"));
        QCOMPARE(read(QStringLiteral("insert.txt")), QByteArray("Team|hello\r\n"));
        QFile builtIn(QStringLiteral(":/data/tags.txt"));
        QVERIFY(builtIn.open(QIODevice::ReadOnly));
        QCOMPARE(read(QStringLiteral("tags.txt")), builtIn.readAll());
        // What the program writes for itself stays behind.
        QVERIFY(!QFile::exists(folder + QStringLiteral("/draft.txt")));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/ErrorLog.txt")));
        QVERIFY(QFileInfo(folder + QStringLiteral("/insert.txt")).permissions()
                & QFile::WriteOwner);
        // Without a source there are no preferences to copy.
        const QString plain = dir.filePath(QStringLiteral("plain"));
        QVERIFY(DataFolder::createAndSeed(plain));
        QVERIFY(!QFile::exists(plain + QStringLiteral("/prefs.txt")));
        QVERIFY(QFile::exists(plain + QStringLiteral("/insert.txt")));
    }

    void uncreatableFolderUsesTheUserFolder()
    {
        // A program "folder" in which nothing can be created, whoever runs the test.
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath(QStringLiteral("wuxo-file"));
        QFile(notAFolder).open(QIODevice::WriteOnly);
        DataFolder::setProgramFolder(notAFolder);
        const QString data = DataFolder::ensure();
        QCOMPARE(data,
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                     + QStringLiteral("/data"));
        QCOMPARE(DataFolder::path(), data);
        QVERIFY(QFile::exists(data + QStringLiteral("/web.txt")));
        QDir(data).removeRecursively();
    }

    void installedProgramKeepsItsDataWithTheUser()
    {
        QTemporaryDir prefix;
        QDir(prefix.path()).mkpath(QStringLiteral("bin"));
        QDir(prefix.path()).mkpath(QStringLiteral("share/doc/wuxo"));
        QFile(prefix.filePath(QStringLiteral("share/doc/wuxo/Read Me.html")))
            .open(QIODevice::WriteOnly);
        DataFolder::setProgramFolder(prefix.filePath(QStringLiteral("bin")));
        const QString data = DataFolder::ensure();
        QCOMPARE(data,
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                     + QStringLiteral("/data"));
        QVERIFY(!QFile::exists(prefix.filePath(QStringLiteral("bin/data"))));
        QDir(data).removeRecursively();
    }

    void secondInstanceIsRefused()
    {
        QTemporaryDir program;
        LockFileInstance first(program.path());
        QVERIFY(first.tryAcquire());
        QVERIFY(first.tryAcquire()); // asking again keeps the lock
        LockFileInstance second(program.path());
        QVERIFY(!second.tryAcquire());
        LockFileInstance otherFolder(program.path() + QStringLiteral("/elsewhere"));
        QVERIFY(otherFolder.lockFilePath() != first.lockFilePath());
        QVERIFY(otherFolder.tryAcquire());
    }

    void staleLockIsTakenOver()
    {
        QTemporaryDir program;
        LockFileInstance instance(program.path());
        // A lock file naming a process that no longer runs, as a crash leaves it.
        QFile stale(instance.lockFilePath());
        QVERIFY(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stale.write("999999\nwuxo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        QVERIFY(instance.tryAcquire());
    }
};

QTEST_GUILESS_MAIN(TestDataFolderRules)
#include "tst_datafolder.moc"
