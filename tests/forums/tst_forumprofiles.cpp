#include "forums/forumprofiles.h"
#include "foundation/textfile.h"
#include "testdatafolder.h"

#include <QTest>

class TestForumProfiles : public QObject
{
    Q_OBJECT

private slots:
    void theBuiltInProfilesNameEveryFact()
    {
        const QList<ForumProfile> &profiles = ForumProfiles::builtIn();
        QStringList names;
        for (const ForumProfile &profile : profiles)
            names.append(profile.name);
        QCOMPARE(names,
                 (QStringList{"phpBB 3.3", "vBulletin 4", "XenForo 2", "SMF 2.1", "MyBB 1.8",
                              "Discourse"}));
        // The shipped file reads without a problem.
        const auto parsed = ForumProfiles::parse(TextFile::readAll(":/data/forums.txt"));
        QCOMPARE(parsed.problems, QList<ForumFileProblem>());

        const ForumProfile &phpbb = profiles.first();
        QCOMPARE(phpbb.engine, "phpBB");
        QCOMPARE(phpbb.version, "3.3");
        QVERIFY(phpbb.accepts("size") && phpbb.accepts("*") && !phpbb.accepts("font"));
        QVERIFY(phpbb.showsAsText("font"));
        QCOMPARE(phpbb.sizeUnit, ForumProfile::SizeUnit::Percent);
        QCOMPARE(phpbb.sizeMin, 1);
        QCOMPARE(phpbb.sizeMax, 200);
        QCOMPARE(phpbb.listTypes, (QStringList{"1", "a", "A", "i", "I"}));
        QCOMPARE(phpbb.lengthLimit, 60000);
        for (const ForumProfile &profile : profiles) {
            QVERIFY2(profile.lengthLimit > 0, qPrintable(profile.name));
            QVERIFY2(profile.sizeUnit != ForumProfile::SizeUnit::Unknown, qPrintable(profile.name));
            QVERIFY2(profile.colourForms & ForumProfile::ColourName, qPrintable(profile.name));
            QVERIFY2(profile.listTypesKnown, qPrintable(profile.name));
        }
        QVERIFY(profiles.at(3).listTypes.isEmpty()); // SMF: [list type=...] only
        QVERIFY(profiles.at(3).accepts("table"));
    }

    void aUsersProfileReadsEveryKey()
    {
        const auto parsed = ForumProfiles::parse("; my forum\r\n"
                                                 "# another comment\r\n"
                                                 "\r\n"
                                                 "  [ Our Board ]  \r"
                                                 "engine = phpBB\n"
                                                 "VERSION=3.3 with spoilers\r\n"
                                                 "Tags=b I * spoiler b\r\n"
                                                 "Text=Font\r\n"
                                                 "Size=Points 8 36\r\n"
                                                 "Lists=1 a\r\n"
                                                 "Colors=hex name\r\n"
                                                 "Limit=20000\r\n");
        QCOMPARE(parsed.problems, QList<ForumFileProblem>());
        QCOMPARE(parsed.profiles.size(), 1);
        const ForumProfile &profile = parsed.profiles.first();
        QCOMPARE(profile.name, "Our Board");
        QCOMPARE(profile.engine, "phpBB");
        QCOMPARE(profile.version, "3.3 with spoilers");
        QCOMPARE(profile.tags, (QStringList{"b", "i", "*", "spoiler"}));
        QCOMPARE(profile.shownAsText, QStringList{"font"});
        QCOMPARE(profile.sizeUnit, ForumProfile::SizeUnit::Points);
        QCOMPARE(profile.sizeMin, 8);
        QCOMPARE(profile.sizeMax, 36);
        QCOMPARE(profile.listTypes, (QStringList{"1", "a"}));
        QCOMPARE(profile.colourForms, ForumProfile::ColourHex | ForumProfile::ColourName);
        QCOMPARE(profile.lengthLimit, 20000);
    }

    void aProfileWithoutEngineIsNamedAfterItself()
    {
        const auto parsed = ForumProfiles::parse("[Club]\r\nLimit=100\r\n");
        QCOMPARE(parsed.profiles.first().engine, "Club");
        QCOMPARE(parsed.profiles.first().sizeUnit, ForumProfile::SizeUnit::Unknown);
        QVERIFY(!parsed.profiles.first().listTypesKnown);
    }

    void damagedLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown key") << "Smilies=yes"
                                     << "there is no key \"Smilies\"";
        QTest::newRow("no equals sign") << "Tags b i u"
                                        << "a line is either [Name] or Key=Value";
        QTest::newRow("limit not a number")
            << "Limit=lots"
            << "the limit is a whole number of characters, 0 for none";
        QTest::newRow("negative limit") << "Limit=-5"
                                        << "the limit is a whole number of characters, 0 for none";
        QTest::newRow("size unit") << "Size=em 1 3"
                                   << "the size unit must be percent, points, pixels or steps";
        QTest::newRow("size range upside down") << "Size=points 50 1"
                                                << "write the size as its unit, the lowest and the "
                                                   "highest value, like \"percent 1 200\"";
        QTest::newRow("steps beyond 7") << "Size=steps 1 9"
                                        << "steps run from 1 to 7";
        QTest::newRow("colour form") << "Colours=name cmyk"
                                     << "the colour forms are name, hex, hex3 and rgb";
        QTest::newRow("tag name") << "Tags=b [i]"
                                  << "a tag name is made of letters and digits, or is \"*\"";
    }

    void damagedLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, reason);
        const auto parsed
            = ForumProfiles::parse("[First]\r\nLimit=100\r\n" + line + "\r\nEngine=Kept\r\n");
        QCOMPARE(parsed.problems, (QList<ForumFileProblem>{{3, line, reason}}));
        // The damaged line alone is skipped: the lines around it count.
        QCOMPARE(parsed.profiles.first().lengthLimit, 100);
        QCOMPARE(parsed.profiles.last().engine, "Kept");
    }

    void damagedHeaders_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no name") << "[ ]"
                                 << "a profile's name is written as [Name]";
        QTest::newRow("not closed") << "[Board"
                                    << "a profile's name is written as [Name]";
        QTest::newRow("same name again") << "[first]"
                                         << "another profile has this name";
    }

    void damagedHeaders()
    {
        QFETCH(QString, line);
        QFETCH(QString, reason);
        // The profile under a damaged header is skipped with it, reported once.
        const auto parsed = ForumProfiles::parse("[First]\r\nLimit=100\r\n" + line
                                                 + "\r\nEngine=Lost\r\nLimit=5\r\n[Next]\r\n");
        QCOMPARE(parsed.problems, (QList<ForumFileProblem>{{3, line, reason}}));
        QCOMPARE(parsed.profiles.size(), 2);
        QCOMPARE(parsed.profiles.first().engine, "First");
        QCOMPARE(parsed.profiles.first().lengthLimit, 100);
        QCOMPARE(parsed.profiles.last().name, "Next");
    }

    void aKeyAboveEveryProfileIsAProblem()
    {
        const auto parsed = ForumProfiles::parse("Limit=5\r\n[A]\r\n");
        QCOMPARE(parsed.problems.size(), 1);
        QCOMPARE(parsed.problems.first().line, 1);
        QCOMPARE(parsed.profiles.size(), 1);
    }

    void aHugeFileStopsAtTheProfileCap()
    {
        QString text;
        for (int i = 0; i < 5000; ++i)
            text += QStringLiteral("[P%1]\r\nLimit=%1\r\n").arg(i);
        const auto parsed = ForumProfiles::parse(text);
        QCOMPARE(parsed.profiles.size(), ForumProfiles::maxProfiles);
        QCOMPARE(parsed.problems.size(), 1);
        QCOMPARE(parsed.problems.first().line, 2 * ForumProfiles::maxProfiles + 1);
    }

    void theReportNamesTheFirstLinesAndCountsTheRest()
    {
        QList<ForumFileProblem> problems;
        for (int i = 1; i <= 7; ++i)
            problems.append({i, QString(100, u'x'), "why"});
        const QString report = ForumProfiles::problemReport(problems);
        QVERIFY(report.startsWith("Some lines of forums.txt could not be read and were skipped:\n"
                                  "Line 1 ("));
        QVERIFY(report.contains("Line 5 ("));
        QVERIFY(!report.contains("Line 6 ("));
        QVERIFY(report.endsWith("2 more line(s) could not be read either."));
        QVERIFY(!report.contains(QString(61, u'x'))); // long lines are cut
    }

    void readingTheDataFolder()
    {
        TestDataFolder folder(false);
        const QString path = folder.path("forums.txt");
        // No file: the built-in profiles, and nothing to report.
        ForumProfiles::Parsed parsed = ForumProfiles::read(path);
        QCOMPARE(parsed.profiles.size(), ForumProfiles::builtIn().size());
        QVERIFY(parsed.problems.isEmpty());

        // The user's own file replaces them, read as the other data files are.
        folder.write("forums.txt", "[Caf\xe9]\rLimit=7\r\n");
        parsed = ForumProfiles::read(path);
        QCOMPARE(parsed.profiles.size(), 1);
        QCOMPARE(parsed.profiles.first().name, QString::fromUtf8("Caf\u00e9"));
        QCOMPARE(parsed.profiles.first().lengthLimit, 7);
    }
};

QTEST_GUILESS_MAIN(TestForumProfiles)
#include "tst_forumprofiles.moc"
