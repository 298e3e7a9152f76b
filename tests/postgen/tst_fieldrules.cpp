#include "foundation/wuxoerror.h"
#include "postgen/fieldrules.h"

#include <QTest>

class tst_FieldRules : public QObject
{
    Q_OBJECT

private slots:
    void singleLineText_data();
    void singleLineText();
    void completedAddress_data();
    void completedAddress();
    void capitalisedSiteName_data();
    void capitalisedSiteName();
    void derivations_data();
    void derivations();
    void singleLineRuleRunsOnTheChangedField_data();
    void singleLineRuleRunsOnTheChangedField();
    void completionFeedsTheDerivations();
    void derivedFieldRunsItsOwnRules();
    void derivedChainFillsInTurn();
    void sourceZeroNeverMatches();
    void sourceThatIsNoNumberFailsEveryChange();
    void failuresKeepWhatWasSetBefore();
    void fieldDerivedFromItselfSettles();
};

namespace {

FieldDefinition field(bool multiLine = false, bool urlPrefix = false, qint16 deriveKind = 0,
                      const QString &source = QStringLiteral("0"))
{
    FieldDefinition definition;
    definition.MultiLine = multiLine;
    definition.UrlPrefix = urlPrefix;
    definition.DeriveKind = deriveKind;
    definition.Source = source;
    return definition;
}

// Field 1: a URL; field 2: its site name; field 3: its site address.
QList<FieldDefinition> urlWithNameAndAddress()
{
    return {field(false, true), field(false, false, 1, QStringLiteral("1")),
            field(false, false, 2, QStringLiteral("1"))};
}

} // namespace

void tst_FieldRules::singleLineText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("CR LF removed, nothing in its place") << "one\r\ntwo\r\n"
                                                         << "onetwo";
    QTest::newRow("a lone LF stays") << "one\ntwo"
                                     << "one\ntwo";
    QTest::newRow("a lone CR stays") << "one\rtwo"
                                     << "one\rtwo";
    QTest::newRow("CR before CR LF keeps the first CR") << "a\r\r\nb"
                                                        << "a\rb";
    QTest::newRow("no break") << "plain"
                              << "plain";
}

void tst_FieldRules::singleLineText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(FieldRules::singleLineText(text), expected);
}

void tst_FieldRules::completedAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("www completed") << "www"
                                   << "http://www";
    QTest::newRow("capital WWW not completed") << "WWW"
                                               << "WWW";
    QTest::newRow("www with more text not completed") << "www."
                                                      << "www.";
    QTest::newRow("www after a blank not completed") << " www"
                                                     << " www";
}

void tst_FieldRules::completedAddress()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(FieldRules::completedAddress(text), expected);
}

void tst_FieldRules::capitalisedSiteName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("three letters all upper case") << "abc"
                                                  << "ABC";
    QTest::newRow("two letters all upper case") << "bb"
                                                << "BB";
    QTest::newRow("four letters first upper case") << "abcd"
                                                   << "Abcd";
    QTest::newRow("the rest is left as it is") << "eXample"
                                               << "EXample";
    QTest::newRow("empty stays empty") << ""
                                       << "";
    QTest::newRow("non-ASCII letters too") << "été"
                                           << "ÉTÉ";
}

void tst_FieldRules::capitalisedSiteName()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(FieldRules::capitalisedSiteName(name), expected);
}

void tst_FieldRules::derivations_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");

    // The site-name and site-address fields hold "old" and "old/x" before the change.
    QTest::newRow("http://www.NAME.TLD/PATH") << "http://www.example.com/news/1"
                                              << "Example"
                                              << "http://www.example.com";
    QTest::newRow("http://www.NAME.TLD/PATH, three letters") << "http://www.abc.net/a"
                                                             << "ABC"
                                                             << "http://www.abc.net";
    QTest::newRow("http://NAME.TLD") << "http://example.org"
                                     << "Example"
                                     << "";
    QTest::newRow("http://SUB.NAME.TLD/") << "http://news.example.org/"
                                          << "News"
                                          << "http://news.example.org";
    QTest::newRow("http://www.NAME") << "http://www.example"
                                     << ""
                                     << "";
    QTest::newRow("http://www keeps the name, capitalised") << "http://www"
                                                            << "OLD"
                                                            << "";
    QTest::newRow("NAME.TLD derives nothing") << "example.com"
                                              << "old"
                                              << "old/x";
    QTest::newRow("dots in the path count after http://") << "http://host/a.b.c"
                                                          << "Host/a"
                                                          << "http://host";
    QTest::newRow("HTTP:// in capitals derives nothing") << "HTTP://www.a.com/"
                                                         << "old"
                                                         << "old/x";
}

void tst_FieldRules::derivations()
{
    QFETCH(QString, url);
    QFETCH(QString, name);
    QFETCH(QString, address);
    QStringList texts{url, QStringLiteral("old"), QStringLiteral("old/x")};
    QVERIFY(FieldRules::applyChange(urlWithNameAndAddress(), texts, 0).isEmpty());
    QCOMPARE(texts, (QStringList{url, name, address}));
}

void tst_FieldRules::singleLineRuleRunsOnTheChangedField_data()
{
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("pasted CR LF removed") << false << "first\r\nsecond"
                                          << "firstsecond";
    QTest::newRow("lone LF kept") << false << "first\nsecond"
                                  << "first\nsecond";
    QTest::newRow("multi-line field keeps CR LF") << true << "first\r\nsecond"
                                                  << "first\r\nsecond";
}

void tst_FieldRules::singleLineRuleRunsOnTheChangedField()
{
    QFETCH(bool, multiLine);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QStringList texts{text};
    QVERIFY(FieldRules::applyChange({field(multiLine)}, texts, 0).isEmpty());
    QCOMPARE(texts.at(0), expected);
}

void tst_FieldRules::completionFeedsTheDerivations()
{
    QStringList texts{QStringLiteral("www"), QStringLiteral("site"), QStringLiteral("x")};
    QVERIFY(FieldRules::applyChange(urlWithNameAndAddress(), texts, 0).isEmpty());
    QCOMPARE(texts, (QStringList{"http://www", "Site", ""}));

    // Without UrlPrefix the same text stays as typed and derives nothing.
    QList<FieldDefinition> plain = urlWithNameAndAddress();
    plain[0].UrlPrefix = false;
    texts = QStringList{QStringLiteral("www"), QStringLiteral("site"), QStringLiteral("x")};
    QVERIFY(FieldRules::applyChange(plain, texts, 0).isEmpty());
    QCOMPARE(texts, (QStringList{"www", "site", "x"}));
}

void tst_FieldRules::derivedFieldRunsItsOwnRules()
{
    // A multi-line source can hand a line break to a single-line site name,
    // whose own single-line rule removes it before it is capitalised.
    const QList<FieldDefinition> definitions{field(true),
                                             field(false, false, 1, QStringLiteral("1"))};
    QStringList texts{QStringLiteral("http://a\r\nb.com/"), QString()};
    QVERIFY(FieldRules::applyChange(definitions, texts, 0).isEmpty());
    QCOMPARE(texts.at(1), QStringLiteral("AB"));
}

void tst_FieldRules::derivedChainFillsInTurn()
{
    // The address is derived from the URL, and the name from the address.
    const QList<FieldDefinition> definitions{field(false, true),
                                             field(false, false, 2, QStringLiteral("1")),
                                             field(false, false, 1, QStringLiteral("2"))};
    QStringList texts{QStringLiteral("http://www.quorvel.example/forum/"), QString(), QString()};
    QVERIFY(FieldRules::applyChange(definitions, texts, 0).isEmpty());
    QCOMPARE(texts,
             (QStringList{"http://www.quorvel.example/forum/", "http://www.quorvel.example",
                          "Quorvel"}));
}

void tst_FieldRules::sourceZeroNeverMatches()
{
    const QList<FieldDefinition> definitions{field(), field(false, false, 1, QStringLiteral("0"))};
    QStringList texts{QStringLiteral("http://www.abc.com/"), QStringLiteral("kept")};
    QVERIFY(FieldRules::applyChange(definitions, texts, 0).isEmpty());
    QCOMPARE(texts.at(1), QStringLiteral("kept"));
}

void tst_FieldRules::sourceThatIsNoNumberFailsEveryChange()
{
    // Even a change of a plain field reads every Source.
    const QList<FieldDefinition> definitions{field(), field(false, false, 0, QString())};
    QStringList texts{QStringLiteral("plain"), QString()};
    const QList<WuxoError> failures = FieldRules::applyChange(definitions, texts, 0);
    QCOMPARE(failures.size(), 1);
    QCOMPARE(failures.at(0).number(), ErrorNumber::TypeMismatch);
}

void tst_FieldRules::failuresKeepWhatWasSetBefore()
{
    QList<FieldDefinition> definitions = urlWithNameAndAddress();
    definitions[2].Source = QStringLiteral("one");
    QStringList texts{QStringLiteral("http://www.abc.com/a\r\n"), QString(), QStringLiteral("x")};
    const QList<WuxoError> failures = FieldRules::applyChange(definitions, texts, 0);
    // The site name's two changes fail in their own rules and are still made;
    // then the URL's own rules stop at the third definition.
    QCOMPARE(failures.size(), 3);
    for (const WuxoError &failure : failures)
        QCOMPARE(failure.number(), ErrorNumber::TypeMismatch);
    QCOMPARE(texts, (QStringList{"http://www.abc.com/a", "ABC", "x"}));
}

void tst_FieldRules::fieldDerivedFromItselfSettles()
{
    const QList<FieldDefinition> definitions{field(false, false, 1, QStringLiteral("1")),
                                             field(false, false, 2, QStringLiteral("2"))};
    QStringList texts{QStringLiteral("http://").repeated(5000) + QStringLiteral("x.y"),
                      QStringLiteral("http://a/b/c")};
    QVERIFY(FieldRules::applyChange(definitions, texts, 0).isEmpty());
    QCOMPARE(texts.at(0),
             QStringLiteral("Http://") + QStringLiteral("http://").repeated(4998)
                 + QStringLiteral("x"));
    QVERIFY(FieldRules::applyChange(definitions, texts, 1).isEmpty());
    QCOMPARE(texts.at(1), QString());
}

QTEST_GUILESS_MAIN(tst_FieldRules)
#include "tst_fieldrules.moc"
