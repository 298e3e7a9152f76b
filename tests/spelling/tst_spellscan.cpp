#include "spelling/hunspellspeller.h"
#include "spelling/spellchecker.h"
#include "spelling/spellscan.h"

#include <QTest>

namespace {

// The misspelled words of a post (CR LF breaks), line by line as the editor holds it.
QStringList flagged(const QString &post, SpellChecker &checker)
{
    QStringList found;
    SpellScan::State state = SpellScan::State::Text;
    for (const QString &line : post.split(QStringLiteral("\r\n"))) {
        for (const SpellScan::Word &word : SpellScan::misspelled(line, state, checker))
            found.append(line.sliced(word.start, word.length));
    }
    return found;
}

} // namespace

class TestSpellScan : public QObject
{
    Q_OBJECT

private:
    SpellChecker m_checker;

private slots:
    void initTestCase()
    {
        auto speller = HunspellSpeller::load(QStringLiteral("/usr/share/hunspell/en_US.aff"),
                                             QStringLiteral("/usr/share/hunspell/en_US.dic"));
        QVERIFY2(speller, "the en_US dictionary (package hunspell-en-us) is not installed");
        m_checker.setSpeller(std::move(speller));
    }

    void wordsFlagged_data()
    {
        QTest::addColumn<QString>("post");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("plain text")
            << u"Thiss is a tset of the checker."_qs << QStringList{"Thiss", "tset"};
        QTest::newRow("tag names and values are not words")
            << u"[FONT=Courier]Helo[/FONT] [COLOR=purple]wrld[/COLOR] [SIZE=7]big[/SIZE] "
               u"[B]bold[/B] [i]fnie[/i] [LIST]\r\n[*]itme\r\n[/LIST]"_qs
            << QStringList{"Helo", "wrld", "fnie", "itme"};
        QTest::newRow("a link's value is skipped, its label checked")
            << u"[URL=http://exmple.com/pagge]the lnk[/URL] [EMAIL=jon@exmple.com]writte[/EMAIL]"_qs
            << QStringList{"lnk", "writte"};
        QTest::newRow("addresses inside image, e-mail and link tags")
            << u"[IMG]pictur.png[/IMG] [EMAIL]jon@exmple[/EMAIL] [url]exmple.com/pagee[/url] "
               u"mispeled"_qs
            << QStringList{"mispeled"};
        QTest::newRow("a code block over lines")
            << u"befor\r\n[CODE]int mian;\r\nretrun 0;\r\n[/CODE] aftr [code]x = yy;[/code] enf"_qs
            << QStringList{"befor", "aftr", "enf"};
        QTest::newRow("a code block never closed runs to the end")
            << u"thre\r\n[code]one lin\r\ntwo lins"_qs << QStringList{"thre"};
        QTest::newRow("mixed-case tags are tags too")
            << u"[Quote]teh[/Quote] [Code]mian[/Code] mroe"_qs << QStringList{"teh", "mroe"};
        QTest::newRow("brackets that are no tag hold words")
            << u"[sic] [note wrng] [bold]"_qs << QStringList{"wrng"};
        QTest::newRow("typed web and e-mail addresses")
            << u"see http://exmple.com/pagge and www.exmple.org, (https://x.y/z?a=b) "
               u"or jon.doe@exmple.co.uk thanx"_qs
            << QStringList{"thanx"};
        QTest::newRow("numbers and words with digits")
            << u"1st 2nd 3.14 1,000 100km 42 mp3 a_b"_qs << QStringList{};
        QTest::newRow("apostrophes") << u"don't won’t it's 'quoted' dogs' isnt doesn’tt"_qs
                                     << QStringList{"isnt", u"doesn’tt"_qs};
        // The en_US dictionary writes these words without accents.
        QTest::newRow("letters beyond ASCII belong to the word")
            << u"cafe café naive naïve Straße"_qs
            << QStringList{u"café"_qs, u"naïve"_qs, u"Straße"_qs};
        QTest::newRow("a hyphen parts words")
            << u"well-known wel-knwn"_qs << QStringList{"wel", "knwn"};
        QTest::newRow("an unfinished link tag holds words")
            << u"[URL=http://exmple.com lnk"_qs << QStringList{"lnk"};
    }

    void wordsFlagged()
    {
        QFETCH(QString, post);
        QFETCH(QStringList, expected);
        QCOMPARE(flagged(post, m_checker), expected);
    }

    void positionsAreInTheLine()
    {
        SpellScan::State state = SpellScan::State::Text;
        const QString line = u"[B]ab[/B] c’d  e"_qs;
        QCOMPARE(SpellScan::words(line, state), (QList<SpellScan::Word>{{3, 2}, {10, 3}, {15, 1}}));
        QCOMPARE(state, SpellScan::State::Text);

        const QString open = u"a [CODE]b"_qs;
        QCOMPARE(SpellScan::words(open, state), (QList<SpellScan::Word>{{0, 1}}));
        QCOMPARE(state, SpellScan::State::Code);
        QCOMPARE(SpellScan::words(u"c [/CODE]d"_qs, state), (QList<SpellScan::Word>{{9, 1}}));
        QCOMPARE(state, SpellScan::State::Text);
    }
};

QTEST_GUILESS_MAIN(TestSpellScan)
#include "tst_spellscan.moc"
