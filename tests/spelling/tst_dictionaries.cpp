#include "spelling/dictionaries.h"
#include "spelling/hunspellspeller.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<Dictionary> three()
{
    return {Dictionary{"de_DE", "German (Germany)", {}, {}},
            Dictionary{"en_GB", "English (United Kingdom)", {}, {}},
            Dictionary{"en_US", "English (United States)", {}, {}}};
}

} // namespace

class TestDictionaries : public QObject
{
    Q_OBJECT

private slots:
    void theFolderIsSearchedForPairs()
    {
        QTemporaryDir dir;
        for (const char *name : {"en_US.aff", "en_US.dic", "de_DE_frami.aff", "de_DE_frami.dic",
                                 "fr.aff", "fr.dic", "lonely.dic", "hyph_en_US.dic", "notes.txt"})
            writeFile(dir.filePath(QString::fromLatin1(name)), "1\nx\n");
        const QList<Dictionary> found = Dictionaries::find({dir.path()});
        QStringList names;
        for (const Dictionary &dictionary : found)
            names.append(dictionary.code + u'=' + dictionary.name);
        QCOMPARE(names,
                 (QStringList{"en_US=English (United States)", "fr=French",
                              "de_DE_frami=German (Germany, frami)"}));
        QCOMPARE(found[0].affPath, dir.filePath(QStringLiteral("en_US.aff")));
        QCOMPARE(found[0].dicPath, dir.filePath(QStringLiteral("en_US.dic")));
        QVERIFY(Dictionaries::find({dir.filePath(QStringLiteral("missing"))}).isEmpty());
    }

    void theSearchPathIsHunspells()
    {
        QCOMPARE(Dictionaries::searchPath(QStringLiteral("/opt/dicts::/srv/more"),
                                          QStringLiteral("/home/ann")),
                 (QStringList{"/opt/dicts", "/srv/more", "/home/ann/.local/share/hunspell",
                              "/usr/share/hunspell", "/usr/share/myspell"}));
        QCOMPARE(Dictionaries::searchPath(QString(), QString()),
                 (QStringList{"/usr/share/hunspell", "/usr/share/myspell"}));

        qputenv("DICPATH", "/opt/dicts");
        const QStringList folders = Dictionaries::folders();
        qunsetenv("DICPATH");
        QCOMPARE(folders.value(0), QStringLiteral("/opt/dicts"));
        QCOMPARE(folders.value(1), QDir::homePath() + QStringLiteral("/.local/share/hunspell"));
    }

    void anEarlierFolderWinsAndLaterOnesAddTheirOwn()
    {
        QTemporaryDir user;
        QTemporaryDir system;
        for (const char *name : {"en_US.aff", "en_US.dic"})
            writeFile(user.filePath(QString::fromLatin1(name)), "1\nx\n");
        for (const char *name : {"en_US.aff", "en_US.dic", "fr.aff", "fr.dic"})
            writeFile(system.filePath(QString::fromLatin1(name)), "1\nx\n");
        const QList<Dictionary> found = Dictionaries::find({user.path(), system.path()});
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[0].dicPath, user.filePath(QStringLiteral("en_US.dic")));
        QCOMPARE(found[1].dicPath, system.filePath(QStringLiteral("fr.dic")));
    }

    void theHintNamesThePackageOfTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("package");
        QTest::newRow("a country of its own") << "de_AT"
                                              << "hunspell-de-at";
        QTest::newRow("another country: the language's own") << "de_LU"
                                                             << "hunspell-de-de";
        QTest::newRow("one package for the language") << "fr_BE.UTF-8"
                                                      << "hunspell-fr";
        QTest::newRow("English elsewhere") << "en_IE"
                                           << "hunspell-en-us";
        QTest::newRow("Norwegian Bokmål") << "nb_NO"
                                          << "hunspell-no";
        QTest::newRow("a language without a package") << "ja_JP"
                                                      << "hunspell-en-us";
        QTest::newRow("the C locale") << "C"
                                      << "hunspell-en-us";
    }

    void theHintNamesThePackageOfTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, package);
        QCOMPARE(Dictionaries::packageFor(locale), package);
    }

    void languageNames_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("language and country") << "en_US"
                                              << "English (United States)";
        QTest::newRow("language alone") << "de"
                                        << "German";
        QTest::newRow("written with a hyphen") << "pt-BR"
                                               << "Portuguese (Brazil)";
        QTest::newRow("an unknown country keeps its code") << "en_XQ"
                                                           << "English (XQ)";
        QTest::newRow("an unknown language keeps the code") << "qqq_ZZ"
                                                            << "qqq_ZZ";
    }

    void languageNames()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(Dictionaries::languageName(code), name);
    }

    void theFirstStartPicksTheSystemLanguage_data()
    {
        QTest::addColumn<QList<Dictionary>>("dictionaries");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("picked");
        QTest::newRow("the system's own") << three() << "en_GB"
                                          << "en_GB";
        QTest::newRow("a locale name with an encoding") << three() << "de_DE.UTF-8"
                                                        << "de_DE";
        QTest::newRow("the language in another country") << three() << "de_AT"
                                                         << "de_DE";
        QTest::newRow("no dictionary of the language: en_US") << three() << "fr_FR"
                                                              << "en_US";
        QTest::newRow("no en_US either: the first") << three().mid(0, 2) << "fr_FR"
                                                    << "de_DE";
        QTest::newRow("none installed") << QList<Dictionary>{} << "en_US"
                                        << "";
    }

    void theFirstStartPicksTheSystemLanguage()
    {
        QFETCH(QList<Dictionary>, dictionaries);
        QFETCH(QString, system);
        QFETCH(QString, picked);
        QCOMPARE(Dictionaries::preferred(dictionaries, system), picked);
    }

    void aLatin1DictionaryIsReadInItsEncoding()
    {
        QTemporaryDir dir;
        const QString aff = dir.filePath(QStringLiteral("xx_XX.aff"));
        const QString dic = dir.filePath(QStringLiteral("xx_XX.dic"));
        writeFile(aff, "SET ISO8859-1\nTRY aeiou\xe9\xefnrtcfv'\n");
        writeFile(dic, "3\ncaf\xe9\nna\xefve\ndon't\n");
        auto speller = HunspellSpeller::load(aff, dic);
        QVERIFY(speller);
        QCOMPARE(speller->encoding(), QStringLiteral("ISO8859-1"));
        QVERIFY(speller->isCorrect(u"café"_qs));
        QVERIFY(speller->isCorrect(u"naïve"_qs));
        QVERIFY(!speller->isCorrect(u"cafe"_qs));
        // Characters the encoding lacks: the plain apostrophe stands in for the
        // typographic one; a euro sign makes a word no dictionary word.
        QVERIFY(speller->isCorrect(u"don’t"_qs));
        QVERIFY(!speller->isCorrect(u"caf€"_qs));
        QVERIFY(speller->suggestions(u"cafe"_qs).contains(u"café"_qs));
        QVERIFY(speller->suggestions(u"don’tt"_qs).contains(u"don’t"_qs));
        speller->addWord(u"Zoë"_qs);
        QVERIFY(speller->isCorrect(u"Zoë"_qs));
    }

    void unreadableFilesGiveNoSpeller()
    {
        QTemporaryDir dir;
        QVERIFY(!HunspellSpeller::load(dir.filePath(QStringLiteral("no.aff")),
                                       dir.filePath(QStringLiteral("no.dic"))));
        writeFile(dir.filePath(QStringLiteral("odd.aff")), "SET NO-SUCH-ENCODING\n");
        writeFile(dir.filePath(QStringLiteral("odd.dic")), "1\nword\n");
        QVERIFY(!HunspellSpeller::load(dir.filePath(QStringLiteral("odd.aff")),
                                       dir.filePath(QStringLiteral("odd.dic"))));
    }
};

QTEST_GUILESS_MAIN(TestDictionaries)
#include "tst_dictionaries.moc"
