#include "foundation/wuxoerror.h"
#include "preview/previewcommand.h"
#include "testdatafolder.h"
#include "thrownerror.h"

#include <QDir>
#include <QTest>

namespace {

// The number of the error writePage throws, 0 when it succeeds.
int writeError(const QString &post)
{
    return errorNumberOf([&] { PreviewCommand::writePage(post); });
}

} // namespace

class TestPreviewCommand : public QObject
{
    Q_OBJECT
private slots:
    void page_data();
    void page();
    void failures_data();
    void failures();
    void missingTemplate();
    void pageThatCannotBeWritten();
};

void TestPreviewCommand::page_data()
{
    QTest::addColumn<QByteArray>("templateBytes");
    QTest::addColumn<QString>("post");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("the post converted into the template")
        << QByteArray("<html><body>[post]</body></html>") << "[b]Hi[/b]"
        << QByteArray("<html><body><b>Hi</b></body></html>\r\n");
    QTest::newRow("two lines ended by CR LF")
        << QByteArray("a\r\nb\r\n") << "xx" << QByteArray("a\r\nb\r\n");
    QTest::newRow("two lines ended by CR")
        << QByteArray("a\rb\r") << "xx" << QByteArray("a\r\nb\r\n");
    QTest::newRow("two lines ended by LF")
        << QByteArray("a\nb\n") << "xx" << QByteArray("a\r\nb\r\n");
    QTest::newRow("every [post] is filled")
        << QByteArray("[post]|[post]") << "xy" << QByteArray("xy|xy\r\n");
    QTest::newRow("a template without [post] shows only itself")
        << QByteArray("<p>static</p>") << "xy" << QByteArray("<p>static</p>\r\n");
    QTest::newRow("[POST] is not a placeholder")
        << QByteArray("[POST] [post]") << "xy" << QByteArray("[POST] xy\r\n");
    QTest::newRow("a post holding [post] shows it as text")
        << QByteArray("<p>[post]</p>") << "say [post] twice"
        << QByteArray("<p>say [post] twice</p>\r\n");
    QTest::newRow("post line breaks become <br />")
        << QByteArray("[post]") << "a\r\nb" << QByteArray("a<br />b\r\n");
    QTest::newRow("scripts in a post reach the page as written")
        << QByteArray("[post]") << "<script>alert(1)</script>"
        << QByteArray("<script>alert(1)</script>\r\n");
    QTest::newRow("letters beyond ASCII are written as UTF-8")
        << QByteArray("Gr\xc3\xbc\xc3\x9f"
                      "e [post]")
        << "\u00e9t\u00e9"
        << QByteArray("Gr\xc3\xbc\xc3\x9f"
                      "e \xc3\xa9t\xc3\xa9\r\n");
    QTest::newRow("a thousand placeholders")
        << QByteArray("[post]").repeated(1000) << "ab" << QByteArray("ab").repeated(1000) + "\r\n";
}

void TestPreviewCommand::page()
{
    QFETCH(QByteArray, templateBytes);
    QFETCH(QString, post);
    TestDataFolder data(false);
    data.write(QStringLiteral("preview.txt"), templateBytes);

    const QString path = PreviewCommand::writePage(post);

    QCOMPARE(path, data.path(QStringLiteral("preview.html")));
    QTEST(data.read(QStringLiteral("preview.html")), "expected");
    QCOMPARE(data.read(QStringLiteral("preview.txt")), templateBytes);
}

void TestPreviewCommand::failures_data()
{
    QTest::addColumn<QByteArray>("templateBytes");
    QTest::addColumn<QString>("post");
    QTest::addColumn<int>("error");

    QTest::newRow("an empty template") << QByteArray() << "[b]x[/b]" << 5;
    QTest::newRow("a size that is no number") << QByteArray("[post]") << "[size=big]x[/size]" << 13;
    QTest::newRow("a closing tag before its opening tag")
        << QByteArray("[post]") << "[/color] [color=red]a" << 5;
    QTest::newRow("a list on one line") << QByteArray("[post]") << "[list][*]one[/list]" << 5;
    QTest::newRow("a page too large to build")
        << QByteArray("[post]").repeated(1000) << QString(100000, u'a') << 7;
}

void TestPreviewCommand::failures()
{
    QFETCH(QByteArray, templateBytes);
    QFETCH(QString, post);
    TestDataFolder data(false);
    data.write(QStringLiteral("preview.txt"), templateBytes);
    data.write(QStringLiteral("preview.html"), "earlier page\r\n");

    QTEST(writeError(post), "error");

    QCOMPARE(data.read(QStringLiteral("preview.html")), QByteArray("earlier page\r\n"));
    QCOMPARE(QDir(data.dataFolder()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestPreviewCommand::missingTemplate()
{
    TestDataFolder data(false);
    data.remove(QStringLiteral("preview.txt"));
    data.write(QStringLiteral("preview.html"), "earlier page\r\n");

    QCOMPARE(writeError(QStringLiteral("[b]Hi[/b]")), 53);

    QCOMPARE(data.read(QStringLiteral("preview.html")), QByteArray("earlier page\r\n"));
    QVERIFY(!data.exists(QStringLiteral("preview.txt")));
}

void TestPreviewCommand::pageThatCannotBeWritten()
{
    TestDataFolder data(false);
    data.write(QStringLiteral("preview.txt"), "[post]");
    QVERIFY(QDir(data.dataFolder()).mkdir(QStringLiteral("preview.html")));

    const int error = writeError(QStringLiteral("[b]Hi[/b]"));

    QVERIFY2(error == 70 || error == 75, qPrintable(QString::number(error)));
    QVERIFY(QFileInfo(data.path(QStringLiteral("preview.html"))).isDir());
}

QTEST_GUILESS_MAIN(TestPreviewCommand)
#include "tst_previewcommand.moc"
