#include "markup/postlength.h"

#include <QTest>

class TestPostLength : public QObject
{
    Q_OBJECT

private slots:
    void characters_data()
    {
        QTest::addColumn<QString>("post");
        QTest::addColumn<int>("characters");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("one character") << "a" << 1;
        QTest::newRow("CR LF counts once") << "one\r\ntwo" << 7;
        QTest::newRow("a lone CR or LF counts once") << "a\rb\nc" << 5;
        QTest::newRow("the editor's separator counts once") << QStringLiteral("a\u2029b") << 3;
        QTest::newRow("an emoji is one character") << QStringLiteral("a\U0001F600b") << 3;
        QTest::newRow("a lone surrogate half counts") << QString(QChar(0xDC00)) << 1;
        QTest::newRow("accents") << QStringLiteral("é") << 1;
    }

    void characters()
    {
        QFETCH(QString, post);
        QFETCH(int, characters);
        QCOMPARE(PostLength::characters(post), characters);
    }

    void caption_data()
    {
        QTest::addColumn<int>("characters");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("caption");
        QTest::newRow("none") << 0 << "en_US"
                              << "0 characters";
        QTest::newRow("one") << 1 << "en_US"
                             << "1 character";
        QTest::newRow("two") << 2 << "en_US"
                             << "2 characters";
        QTest::newRow("grouped") << 1234 << "en_US"
                                 << "1,234 characters";
        QTest::newRow("grouped as the locale writes it") << 1234567 << "de_DE"
                                                         << "1.234.567 characters";
    }

    void caption()
    {
        QFETCH(int, characters);
        QFETCH(QString, locale);
        QFETCH(QString, caption);
        QCOMPARE(PostLength::caption(characters, QLocale(locale)), caption);
    }

    void captionsWithTheForumsLimit()
    {
        const QLocale english(QStringLiteral("en_US"));
        QCOMPARE(PostLength::captionWithLimit(1234, 60000, english),
                 QStringLiteral("1,234 of 60,000 characters"));
        QCOMPARE(PostLength::captionWithLimit(0, 20000, QLocale(QStringLiteral("de_DE"))),
                 QStringLiteral("0 of 20.000 characters"));
        QCOMPARE(PostLength::overTheLimit(1234, english), QStringLiteral("1,234 over the limit"));
    }
};

QTEST_GUILESS_MAIN(TestPostLength)
#include "tst_postlength.moc"
