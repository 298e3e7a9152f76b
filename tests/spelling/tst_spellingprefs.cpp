#include "foundation/clsinifile.h"
#include "spelling/spellingprefs.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSpellingPrefs : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("language");
        QTest::newRow("no section: on, nothing chosen")
            << QByteArray("[Visual]\r\nMainWidth=1\r\n") << true << "";
        QTest::newRow("off") << QByteArray("[Spelling]\r\nEnabled=0\r\nLanguage=de_DE\r\n") << false
                             << "de_DE";
        QTest::newRow("on") << QByteArray("[spelling]\r\nenabled=1\r\n") << true << "";
        QTest::newRow("anything but 0 is on")
            << QByteArray("[Spelling]\r\nEnabled=yes\r\n") << true << "";
    }

    void read()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, enabled);
        QFETCH(QString, language);
        QTemporaryDir dir;
        clsIniFile ini;
        ini.setFile(dir.filePath(QStringLiteral("prefs.txt")));
        writeFile(ini.File(), file);
        ini.setSection(QStringLiteral("Visual"));
        const SpellingSettings settings = SpellingPrefs::read(ini);
        QCOMPARE(settings.enabled, enabled);
        QCOMPARE(settings.language, language);
        QCOMPARE(ini.Section(), QStringLiteral("Visual"));
    }

    void aWriteAddsItsSectionAndLeavesEveryOtherLine()
    {
        QTemporaryDir dir;
        clsIniFile ini;
        ini.setFile(dir.filePath(QStringLiteral("prefs.txt")));
        const QByteArray before = "; the user's note\r\n[Visual]\r\nMainWidth=9150\r\n"
                                  "[Preferences]\r\nCopyMinimize=1\r\n";
        writeFile(ini.File(), before);
        ini.setSection(QStringLiteral("Preferences"));

        SpellingPrefs::write(ini, SpellingSettings{false, QStringLiteral("en_GB")});
        QCOMPARE(readFile(ini.File()), before + "[Spelling]\r\nEnabled=0\r\nLanguage=en_GB\r\n");
        SpellingPrefs::write(ini, SpellingSettings{true, QStringLiteral("en_US")});
        QCOMPARE(readFile(ini.File()), before + "[Spelling]\r\nEnabled=1\r\nLanguage=en_US\r\n");
        QCOMPARE(ini.Section(), QStringLiteral("Preferences"));
        QCOMPARE(SpellingPrefs::read(ini), (SpellingSettings{true, QStringLiteral("en_US")}));
    }
};

QTEST_GUILESS_MAIN(TestSpellingPrefs)
#include "tst_spellingprefs.moc"
