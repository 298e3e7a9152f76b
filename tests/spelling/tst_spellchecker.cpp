#include "fakespeller.h"
#include "foundation/wuxoerror.h"
#include "spelling/spellchecker.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestSpellChecker : public QObject
{
    Q_OBJECT

private slots:
    void theDictionaryDecidesAndIsAskedOnceAWord()
    {
        SpellChecker checker;
        QVERIFY(!checker.isMisspelled(QStringLiteral("wrod")));

        auto speller = std::make_unique<FakeSpeller>(QStringList{"word"});
        FakeSpeller *fake = speller.get();
        checker.setSpeller(std::move(speller));
        QVERIFY(checker.isMisspelled(QStringLiteral("wrod")));
        QVERIFY(!checker.isMisspelled(QStringLiteral("word")));
        QVERIFY(checker.isMisspelled(QStringLiteral("wrod")));
        QCOMPARE(fake->checks, 2);
    }

    void suggestionsAreFiveAtMostWithoutTheWordItself()
    {
        SpellChecker checker;
        checker.setSpeller(std::make_unique<FakeSpeller>(
            QStringList{},
            QHash<QString, QStringList>{
                {"teh", {"the", "teh", "ten", "tea", "the", "Te", "eh", "tech"}}}));
        QCOMPARE(checker.suggestions(QStringLiteral("teh")),
                 (QStringList{"the", "ten", "tea", "Te", "eh"}));
        QCOMPARE(checker.suggestions(QStringLiteral("zzz")), QStringList());
    }

    void ignoredWordsPassForTheRunOnly()
    {
        SpellChecker checker;
        checker.setSpeller(std::make_unique<FakeSpeller>());
        QVERIFY(checker.isMisspelled(QStringLiteral("Wuxo")));
        QSignalSpy changed(&checker, &SpellChecker::verdictsChanged);
        checker.ignore(QStringLiteral("Wuxo"));
        QCOMPARE(changed.size(), 1);
        QVERIFY(!checker.isMisspelled(QStringLiteral("Wuxo")));
        QVERIFY(checker.isMisspelled(QStringLiteral("wuxo")));
        QVERIFY(checker.words().isEmpty());
    }

    void theUsersWordsAreReadFromTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("words.txt"));
        // UTF-8, every kind of line end, a blank line, a repeat and stray spaces.
        writeFile(path, "Wuxo\r\nQuorvel\rgrüß\n\r\n  BBCode \r\nWuxo");
        SpellChecker checker;
        checker.setSpeller(std::make_unique<FakeSpeller>());
        checker.readWords(path);
        QCOMPARE(checker.words(), (QStringList{"Wuxo", "Quorvel", u"grüß"_qs, "BBCode"}));
        QVERIFY(!checker.isMisspelled(u"grüß"_qs));
        QVERIFY(!checker.isMisspelled(QStringLiteral("BBCode")));
        QVERIFY(checker.isMisspelled(QStringLiteral("Wuxos")));

        SpellChecker none;
        none.readWords(dir.filePath(QStringLiteral("missing.txt")));
        QVERIFY(none.words().isEmpty());
    }

    void anAddedWordIsWrittenAndSurvivesARestart()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("words.txt"));
        {
            SpellChecker checker;
            checker.setSpeller(std::make_unique<FakeSpeller>());
            checker.readWords(path);
            checker.addToDictionary(QStringLiteral("Wuxo"));
            checker.addToDictionary(u"naïveté"_qs);
            checker.addToDictionary(QStringLiteral("Wuxo"));
            QVERIFY(!checker.isMisspelled(QStringLiteral("Wuxo")));
        }
        QCOMPARE(readFile(path), QByteArray("Wuxo\r\nna\xc3\xafvet\xc3\xa9\r\n"));

        SpellChecker restarted;
        restarted.readWords(path);
        restarted.setSpeller(std::make_unique<FakeSpeller>());
        QVERIFY(!restarted.isMisspelled(u"naïveté"_qs));
    }

    void aFailedWriteIsReportedAndTheWordStillPasses()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("words.txt"));
        SpellChecker checker;
        checker.setSpeller(std::make_unique<FakeSpeller>());
        checker.readWords(path);
        // A folder where the file should be: no write replaces it, not even as root.
        QVERIFY(QDir().mkdir(path));
        QVERIFY_THROWS_EXCEPTION(WuxoError, checker.addToDictionary(QStringLiteral("Wuxo")));
        QVERIFY(!checker.isMisspelled(QStringLiteral("Wuxo")));
        QVERIFY_THROWS_EXCEPTION(WuxoError, SpellChecker().readWords(path));
    }
};

QTEST_GUILESS_MAIN(TestSpellChecker)
#include "tst_spellchecker.moc"
