#include "find/findpattern.h"

#include <QTest>

namespace {

// "3+5 11+5" for the matches' starts and lengths.
QString describe(const QList<FoundMatch> &matches)
{
    QStringList parts;
    for (const FoundMatch &m : matches)
        parts.append(QStringLiteral("%1+%2").arg(m.start).arg(m.length));
    return parts.join(u' ');
}

QString applied(QString post, const QList<TextReplacement> &replacements)
{
    for (qsizetype i = replacements.size() - 1; i >= 0; --i)
        post.replace(replacements[i].start, replacements[i].length, replacements[i].text);
    return post;
}

// "c" match case, "w" whole words, "r" regular expression.
FindOptions optionsFrom(const QString &flags)
{
    return {flags.contains(u'c'), flags.contains(u'w'), flags.contains(u'r')};
}

} // namespace

class TestFindPattern : public QObject
{
    Q_OBJECT

private slots:
    void findsAndReplaces_data()
    {
        QTest::addColumn<QString>("post");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<FindScope>("scope");
        QTest::addColumn<QString>("matches");
        QTest::addColumn<QString>("result");

        const FindScope all;
        QTest::newRow("plain text in any case")
            << u"[Url]a[/url] [URL]b[/URL]"_qs << u"[url]"_qs << u""_qs << u"[URL]"_qs << all
            << u"0+5 13+5"_qs << u"[URL]a[/url] [URL]b[/URL]"_qs;
        QTest::newRow("match case") << u"Url url URL"_qs << u"url"_qs << u"c"_qs << u"x"_qs << all
                                    << u"4+3"_qs << u"Url x URL"_qs;
        QTest::newRow("regular expression characters are plain text")
            << u"a.b axb a\\b"_qs << u"a.b"_qs << u""_qs << u"\\1"_qs << all << u"0+3"_qs
            << u"\\1 axb a\\b"_qs;
        QTest::newRow("a line break counts two")
            << u"one\r\ntwo\r\none"_qs << u"one"_qs << u""_qs << u"1"_qs << all << u"0+3 10+3"_qs
            << u"1\r\ntwo\r\n1"_qs;
        QTest::newRow("whole words inside tag brackets")
            << u"[b]bold[/b] b"_qs << u"b"_qs << u"w"_qs << u"strong"_qs << all
            << u"1+1 9+1 12+1"_qs << u"[strong]bold[/strong] strong"_qs;
        QTest::newRow("whole words with a bracket at either end")
            << u"x[b]y [b] a[b]"_qs << u"[b]"_qs << u"w"_qs << u"[i]"_qs << all
            << u"1+3 6+3 11+3"_qs << u"x[i]y [i] a[i]"_qs;
        QTest::newRow("whole words skip longer words")
            << u"cat concat cats cat_ cat."_qs << u"cat"_qs << u"w"_qs << u"dog"_qs << all
            << u"0+3 21+3"_qs << u"dog concat cats cat_ dog."_qs;
        QTest::newRow("a pattern spans lines")
            << u"[list]\r\n[*]a\r\n[/list]"_qs << u"\\[list\\]\\n\\[\\*\\]"_qs << u"r"_qs
            << u"[list=1]\\n[*]"_qs << all << u"0+11"_qs << u"[list=1]\r\n[*]a\r\n[/list]"_qs;
        QTest::newRow("a dot stays on its line")
            << u"a\r\nb"_qs << u"a.b"_qs << u"r"_qs << u"x"_qs << all << u""_qs << u"a\r\nb"_qs;
        QTest::newRow("a group renames one colour")
            << u"[COLOR=red]a[/COLOR] [color=blue]b[/color]"_qs << u"(\\[color=)red\\]"_qs
            << u"r"_qs << u"\\1crimson]"_qs << all << u"0+11"_qs
            << u"[COLOR=crimson]a[/COLOR] [color=blue]b[/color]"_qs;
        QTest::newRow("whole match, groups, tab, break, backslash, a missing group")
            << u"ab"_qs << u"(a)(b)"_qs << u"r"_qs << u"<\\0|\\2\\1|\\t|\\5|\\\\n|\\n|\\q>"_qs
            << all << u"0+2"_qs << u"<ab|ba|\t||\\n|\r\n|\\q>"_qs;
        QTest::newRow("a group holding a line break")
            << u"a\r\nb"_qs << u"(a\\nb)"_qs << u"r"_qs << u"[\\1]"_qs << all << u"0+4"_qs
            << u"[a\r\nb]"_qs;
        QTest::newRow("zero-length matches at every line start")
            << u"a\r\nb"_qs << u"^"_qs << u"r"_qs << u"> "_qs << all << u"0+0 3+0"_qs
            << u"> a\r\n> b"_qs;
        QTest::newRow("text beyond the basic plane")
            << u"😀 smile 😀smile"_qs << u"smile"_qs << u"w"_qs << u"😊"_qs << all << u"3+5 11+5"_qs
            << u"😀 😊 😀😊"_qs;
        QTest::newRow("case beyond the basic plane")
            << u"𐐀𐐨"_qs << u"𐐨"_qs << u""_qs << u"x"_qs << all << u"0+2 2+2"_qs << u"xx"_qs;
        QTest::newRow("the empty pattern finds nothing")
            << u"abc"_qs << u""_qs << u"r"_qs << u"x"_qs << all << u""_qs << u"abc"_qs;
        QTest::newRow("an invalid pattern finds nothing")
            << u"a(b"_qs << u"a(b"_qs << u"r"_qs << u"x"_qs << all << u""_qs << u"a(b"_qs;
        QTest::newRow("in the selection only") << u"a a a a"_qs << u"a"_qs << u""_qs << u"x"_qs
                                               << FindScope{2, 5} << u"2+1 4+1"_qs << u"a x x a"_qs;
        QTest::newRow("a match across the selection's end is left")
            << u"abab"_qs << u"ab"_qs << u""_qs << u"x"_qs << FindScope{0, 3} << u"0+2"_qs
            << u"xab"_qs;
        QTest::newRow("a selection from inside a line break to before the last line")
            << u"a\r\na\r\na"_qs << u"a"_qs << u""_qs << u"b"_qs << FindScope{2, 6} << u"3+1"_qs
            << u"a\r\nb\r\na"_qs;
    }

    void findsAndReplaces()
    {
        QFETCH(QString, post);
        QFETCH(QString, pattern);
        QFETCH(QString, flags);
        QFETCH(QString, replacement);
        QFETCH(FindScope, scope);
        QFETCH(QString, matches);
        QFETCH(QString, result);

        const FindText text(post);
        const FindPattern find(pattern, optionsFrom(flags));
        QCOMPARE(describe(find.matches(text, scope)), matches);
        QCOMPARE(applied(post, find.replacements(text, replacement, scope)), result);
    }

    void invalidPatternSaysWhyInWords()
    {
        const FindPattern find(u"[b](x"_qs, {false, false, true});
        QVERIFY(!find.isValid());
        QCOMPARE(find.errorText(),
                 u"The pattern is not valid at character 6: missing closing parenthesis"_qs);
        QVERIFY(FindPattern(u"[b](x"_qs, {}).isValid());
        QVERIFY(FindPattern(u""_qs, {false, false, true}).isValid());
    }

    void replacesOnlyWhatIsAMatch()
    {
        const FindText text(u"[color=red]x\r\ncolored"_qs);
        const FindPattern find(u"colou?r(ed)?"_qs, {false, true, true});
        QCOMPARE(find.replacementFor(text, {14, 7}, u"tinted\\1"_qs), u"tinteded"_qs);
        QCOMPARE(find.replacementFor(text, {1, 5}, u"hue"_qs), u"hue"_qs);
        // Part of a match, more than a match, and the middle of a word are not matches.
        QCOMPARE(find.replacementFor(text, {14, 5}, u"x"_qs), std::nullopt);
        QCOMPARE(find.replacementFor(text, {1, 6}, u"x"_qs), std::nullopt);
        QCOMPARE(find.replacementFor(FindText(u"discolor"_qs), {3, 5}, u"x"_qs), std::nullopt);
    }

    void positionsMapAcrossEveryKindOfBreak()
    {
        // Post: a CR LF b CR c LF d; the search sees a \n b \n c \n d.
        const FindText text(u"a\r\nb\rc\nd"_qs);
        QCOMPARE(text.text(), u"a\nb\nc\nd"_qs);
        const QList<qsizetype> toPost{0, 1, 3, 4, 5, 6, 7, 8};
        for (qsizetype at = 0; at < toPost.size(); ++at)
            QCOMPARE(text.toPost(at), toPost[at]);
        // Between the CR and the LF is the break itself.
        const QList<qsizetype> fromPost{0, 1, 1, 2, 3, 4, 5, 6, 7};
        for (qsizetype at = 0; at < fromPost.size(); ++at)
            QCOMPARE(text.fromPost(at), fromPost[at]);
        QCOMPARE(text.lineAt(0), 0);
        QCOMPARE(text.lineAt(1), 0);
        QCOMPARE(text.lineAt(2), 1);
        QCOMPARE(text.lineAt(7), 3);
    }

    void sweepResumesWhereItStopped()
    {
        QString post;
        for (int i = 0; i < 2000; ++i)
            post += u"word, "_qs;
        const FindText text(post);
        const FindPattern find(u"word"_qs, {});
        FindPattern::Sweep sweep(find, text, {});
        QVERIFY(!sweep.run(QDeadlineTimer(0)));
        while (!sweep.run(QDeadlineTimer(0))) { }
        QCOMPARE(sweep.found(), find.matches(text));
        QCOMPARE(sweep.found().size(), 2000);
        QCOMPARE(sweep.found().last(), (FoundMatch{6 * 1999, 4}));
    }
};

QTEST_GUILESS_MAIN(TestFindPattern)
#include "tst_findpattern.moc"
