#include "forums/forumprefs.h"
#include "foundation/clsinifile.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

class TestForumPrefs : public QObject
{
    Q_OBJECT

private slots:
    void noSectionIsAnyForum()
    {
        QTemporaryDir dir;
        clsIniFile ini;
        ini.setFile(dir.filePath(QStringLiteral("prefs.txt")));
        QCOMPARE(ForumPrefs::readTarget(ini), QString());
        writeFile(ini.File(), "[forum]\r\ntarget= phpBB 3.3 \r\n");
        QCOMPARE(ForumPrefs::readTarget(ini), QStringLiteral("phpBB 3.3"));
    }

    void aChoiceAddsItsSectionAndLeavesEveryOtherLine()
    {
        QTemporaryDir dir;
        clsIniFile ini;
        ini.setFile(dir.filePath(QStringLiteral("prefs.txt")));
        const QByteArray before = "[Visual]\r\nMainWidth=9150\r\n";
        writeFile(ini.File(), before);
        ini.setSection(QStringLiteral("Visual"));

        ForumPrefs::writeTarget(ini, QStringLiteral("SMF 2.1"));
        QCOMPARE(readFile(ini.File()), before + "[Forum]\r\nTarget=SMF 2.1\r\n");
        ForumPrefs::writeTarget(ini, QString());
        QCOMPARE(readFile(ini.File()), before + "[Forum]\r\nTarget=\r\n");
        QCOMPARE(ini.Section(), QStringLiteral("Visual"));
    }
};

QTEST_GUILESS_MAIN(TestForumPrefs)
#include "tst_forumprefs.moc"
