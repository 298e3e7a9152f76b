#include "converter/bbcodeconverter.h"
#include "foundation/wuxoerror.h"
#include "livepreview/livenotice.h"
#include "livepreview/livepage.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const QString plainTemplate = QStringLiteral("<html><body>[post]</body></html>");

LivePage build(const QString &post)
{
    return LivePage::build(plainTemplate, post);
}

// The page with its marks taken out again.
QString withoutMarks(const QString &page)
{
    QString text = page;
    text.remove(QRegularExpression(QStringLiteral("<wuxo-mark data-n=\"\\d+\"></wuxo-mark>")));
    return text;
}

QString longLine()
{
    QString line;
    for (int i = 0; i < 200; ++i)
        line += QStringLiteral("word ");
    return line;
}

} // namespace

class TestLivePage : public QObject
{
    Q_OBJECT
private slots:
    void pageIsThePreviewPageWithMarks()
    {
        const QString post = QStringLiteral("[b]Hi[/b] there\r\n[quote]said[/quote]\r\nend");
        const LivePage page
            = LivePage::build(QStringLiteral("<html>[post]<hr>[post]</html>"), post);
        const QString html = ConvertPostToHtml(post);
        QCOMPARE(withoutMarks(page.page()), QStringLiteral("<html>%1<hr>%1</html>").arg(html));
        QVERIFY(page.page().contains(QStringLiteral("<wuxo-mark data-n=\"0\"></wuxo-mark>Hi")));
    }

    void caretToMark_data()
    {
        QTest::addColumn<QString>("post");
        QTest::addColumn<int>("caret");
        // The post position of the mark that holds the caret; -1 for none.
        QTest::addColumn<int>("markedAt");

        const QString lines = QStringLiteral("one\r\ntwo\r\nthree");
        QTest::newRow("first line, start") << lines << 0 << 0;
        QTest::newRow("first line, end") << lines << 3 << 0;
        QTest::newRow("second line") << lines << 6 << 5;
        QTest::newRow("last line") << lines << 15 << 10;

        // "[quote]" 0-6, "said" 7-10, "[/quote]" 11-18, break, "after" 21-25
        const QString quote = QStringLiteral("[quote]said[/quote]\r\nafter");
        QTest::newRow("quote tag before any text") << quote << 2 << -1;
        QTest::newRow("quoted text") << quote << 9 << 7;
        QTest::newRow("quote's closing tag") << quote << 14 << 7;
        QTest::newRow("after the quote") << quote << 23 << 21;

        // "x" 0, break, "[code]" 3-8, "int a;" 9-14, break, "int b;" 17-22
        const QString code = QStringLiteral("x\r\n[code]int a;\r\nint b;[/code]");
        QTest::newRow("code's first line") << code << 10 << 9;
        QTest::newRow("code's second line") << code << 20 << 17;

        // "[list]" 0-5, break, "[*]" 8-10, "one" 11-13, break, "[*]" 16-18, "two" 19-21
        const QString list = QStringLiteral("[list]\r\n[*]one\r\n[*]two\r\n[/list]");
        QTest::newRow("first item") << list << 12 << 11;
        QTest::newRow("second item's bullet") << list << 17 << 11;
        QTest::newRow("second item") << list << 20 << 19;

        // A line of 1000 characters has marks along it, each at the start of a word.
        const QString line = longLine();
        QTest::newRow("long line, start") << line << 10 << 0;
        QTest::newRow("long line, middle") << line << 500 << 480;
        QTest::newRow("long line, end") << line << 999 << 960;
    }

    void caretToMark()
    {
        QFETCH(QString, post);
        QFETCH(int, caret);
        QFETCH(int, markedAt);
        const LivePage page = build(post);
        const int mark = page.markAt(caret);
        QCOMPARE(mark < 0 ? -1 : int(page.marks().at(size_t(mark)).post), markedAt);
    }

    void marksStayOutOfMarkup_data()
    {
        QTest::addColumn<QString>("post");
        QTest::addColumn<QString>("untouched");

        QTest::newRow("attribute over two lines")
            << QStringLiteral("<span title=\"one\r\ntwo\">three</span>")
            << QStringLiteral("title=\"one<br />two\"");
        QTest::newRow("entity at a line start")
            << QStringLiteral("a\r\n&amp;b") << QStringLiteral("&amp;b");
        QTest::newRow("style element") << QStringLiteral("<style>\r\np { }\r\n</style>x")
                                       << QStringLiteral("<style><br />p { }<br /></style>");
        QTest::newRow("comment") << QStringLiteral("<!-- a\r\nb -->c")
                                 << QStringLiteral("<!-- a<br />b -->");
        QTest::newRow("text area") << QStringLiteral("<textarea>a\r\nb</textarea>")
                                   << QStringLiteral("<textarea>a<br />b</textarea>");
    }

    void marksStayOutOfMarkup()
    {
        QFETCH(QString, post);
        QFETCH(QString, untouched);
        const LivePage page = build(post);
        QVERIFY2(page.page().contains(untouched), qPrintable(page.page()));
    }

    void clickToPost_data()
    {
        QTest::addColumn<QString>("post");
        QTest::addColumn<int>("caret"); // where the mark is found from
        QTest::addColumn<int>("textOffset");
        QTest::addColumn<int>("position");

        // "[b]" 0-2, "bold" 3-6, "[/b]" 7-10, " " 11, "text" 12-15
        const QString bold = QStringLiteral("[b]bold[/b] text");
        QTest::newRow("in the tag's text") << bold << 3 << 2 << 5;
        QTest::newRow("past the closing tag") << bold << 3 << 5 << 12;
        QTest::newRow("past the end") << bold << 3 << 100 << 15;
        // An entity is one character of page text.
        const QString entity = QStringLiteral("a &amp; b");
        QTest::newRow("on the entity") << entity << 0 << 2 << 2;
        QTest::newRow("after the entity") << entity << 0 << 3 << 7;
        QTest::newRow("second line") << QStringLiteral("one\r\n[i]two[/i]") << 8 << 1 << 9;
    }

    void clickToPost()
    {
        QFETCH(QString, post);
        QFETCH(int, caret);
        QFETCH(int, textOffset);
        QFETCH(int, position);
        const LivePage page = build(post);
        QCOMPARE(int(page.postPositionAt(page.markAt(caret), textOffset)), position);
        QCOMPARE(page.postPositionAt(int(page.marks().size()), 0), qsizetype(-1));
    }

    void releasedPageKeepsTheMarks()
    {
        LivePage page = build(QStringLiteral("one\r\ntwo"));
        page.releasePage();
        QVERIFY(page.page().isEmpty());
        QCOMPARE(page.markAt(6), 1);
        QCOMPARE(page.postPositionAt(1, 1), qsizetype(6));
    }

    void failureNotice_data()
    {
        QTest::addColumn<QString>("post");
        QTest::addColumn<QString>("notice");

        QTest::newRow("size not a number")
            << QStringLiteral("fine\r\n[size=big]x[/size]")
            << QStringLiteral("Line 2: The preview fails (error 13): the size \"big\" is not a "
                              "number. Write a whole number, like [size=12].");
        QTest::newRow("list item on the list's line")
            << QStringLiteral("a\r\nb\r\n[list][*]x[/list]")
            << QStringLiteral("Line 3: This list item needs a line break after it, or the "
                              "preview fails (error 5). End the item's line before [/list].");
    }

    void failureNotice()
    {
        QFETCH(QString, post);
        QFETCH(QString, notice);
        try {
            build(post);
            QFAIL("the post converted");
        } catch (const WuxoError &error) {
            QCOMPARE(LiveNotice::forPost(post, error), notice);
        }
    }

    void hugePostBuilds()
    {
        QString post;
        const QString line = QStringLiteral("[b]a[/b] line of the post\r\n");
        while (post.size() < 5 * 1024 * 1024)
            post += line;
        const LivePage page = build(post);
        QVERIFY(page.page().size() > post.size());
        QCOMPARE(page.marks().size(), size_t(post.count(QLatin1String("\r\n"))));
        QCOMPARE(page.markAt(post.size() - 3), int(page.marks().size()) - 1);
    }
};

QTEST_GUILESS_MAIN(TestLivePage)
#include "tst_livepage.moc"
