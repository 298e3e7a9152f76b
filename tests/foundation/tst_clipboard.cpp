#include "fakes.h"
#include "foundation/platform.h"
#include "foundation/systemclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

class TestClipboard : public QObject
{
    Q_OBJECT
private slots:
    void platformLineEnds_data();
    void platformLineEnds();
    void systemClipboardWritesPlatformLineEnds();
    void systemClipboardReadsHtmlAndSource();
    void sourceUrlFrom_data();
    void sourceUrlFrom();
    void sourceUrlFromHtmlFormat();
    void waylandHidesOtherProgramsCopies_data();
    void waylandHidesOtherProgramsCopies();
    void fakeManagerRefillsAClearedClipboard();
};

void TestClipboard::platformLineEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("CR LF") << QStringLiteral("one\r\ntwo\r\n\r\nthree")
                           << QStringLiteral("one\ntwo\n\nthree");
    QTest::newRow("LF stays") << QStringLiteral("one\ntwo") << QStringLiteral("one\ntwo");
    QTest::newRow("lone CR") << QStringLiteral("one\rtwo") << QStringLiteral("one\ntwo");
    QTest::newRow("LF CR is two breaks") << QStringLiteral("a\n\rb") << QStringLiteral("a\n\nb");
    QTest::newRow("break at the end") << QStringLiteral("a\r\n") << QStringLiteral("a\n");
    QTest::newRow("no break") << QStringLiteral("plain") << QStringLiteral("plain");
}

void TestClipboard::platformLineEnds()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Clipboard::withPlatformLineEnds(text), expected);
}

void TestClipboard::systemClipboardWritesPlatformLineEnds()
{
    SystemClipboard clipboard;
    QSignalSpy changes(&clipboard, &Clipboard::changed);
    clipboard.setText(QStringLiteral("first\r\nsecond"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("first\nsecond"));
    QVERIFY(clipboard.hasText());
    QCOMPARE(clipboard.text(), QStringLiteral("first\nsecond"));
    QVERIFY(changes.count() >= 1);

    clipboard.clear();
    QVERIFY(!clipboard.hasText());
    QCOMPARE(clipboard.text(), QString());
}

void TestClipboard::systemClipboardReadsHtmlAndSource()
{
    auto *data = new QMimeData;
    data->setText(QStringLiteral("Bold"));
    data->setHtml(QStringLiteral("<b>Bold</b>"));
    data->setData(QStringLiteral("text/x-moz-url-priv"),
                  QByteArray("h\0t\0t\0p\0s\0:\0/\0/\0a\0.\0e\0x\0a\0m\0p\0l\0e\0/\0p\0", 38));
    QGuiApplication::clipboard()->setMimeData(data);

    SystemClipboard clipboard;
    QCOMPARE(clipboard.text(), QStringLiteral("Bold"));
    QCOMPARE(clipboard.html(), QStringLiteral("<b>Bold</b>"));
    QCOMPARE(clipboard.sourceUrl(), QUrl(QStringLiteral("https://a.example/p")));

    clipboard.setText(QStringLiteral("plain"));
    QCOMPARE(clipboard.html(), QString());
    QCOMPARE(clipboard.sourceUrl(), QUrl());
}

void TestClipboard::sourceUrlFrom_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");
    QTest::newRow("UTF-8") << QByteArray("https://forum.example/t/1")
                           << "https://forum.example/t/1";
    QTest::newRow("UTF-8, title on the next line")
        << QByteArray("https://forum.example/t/1\nThe title") << "https://forum.example/t/1";
    QTest::newRow("UTF-16 with byte order mark")
        << QByteArray("\xff\xfeh\0t\0t\0p\0:\0/\0/\0x\0.\0e\0x\0", 24) << "http://x.ex";
    QTest::newRow("trailing zero") << QByteArray("http://x.ex\0", 12) << "http://x.ex";
    QTest::newRow("not an address") << QByteArray("just words") << "";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestClipboard::sourceUrlFrom()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    QCOMPARE(SystemClipboard::sourceUrlFrom(data).toString(), expected);
}

void TestClipboard::sourceUrlFromHtmlFormat()
{
    const QByteArray format("Version:0.9\r\nStartHTML:00000162\r\nEndHTML:00000250\r\n"
                            "SourceURL:https://forum.example/thread?id=4\r\n"
                            "<html><body>SourceURL:http://wrong.example</body></html>");
    QCOMPARE(SystemClipboard::sourceUrlFromHtmlFormat(format),
             QUrl(QStringLiteral("https://forum.example/thread?id=4")));
    QCOMPARE(SystemClipboard::sourceUrlFromHtmlFormat("<html>SourceURL:http://x.example</html>"),
             QUrl());
}

void TestClipboard::waylandHidesOtherProgramsCopies_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("sees");
    QTest::newRow("X11") << "xcb" << true;
    QTest::newRow("native Wayland") << "wayland" << false;
    QTest::newRow("Wayland with EGL") << "wayland-egl" << false;
    QTest::newRow("offscreen") << "offscreen" << true;
    QTest::newRow("Windows") << "windows" << true;
}

void TestClipboard::waylandHidesOtherProgramsCopies()
{
    QFETCH(QString, platform);
    QFETCH(bool, sees);
    QCOMPARE(SystemClipboard::platformSeesOtherPrograms(platform), sees);
}

void TestClipboard::fakeManagerRefillsAClearedClipboard()
{
    FakeClipboard clipboard;
    QCOMPARE(&Platform::clipboard(), &clipboard);
    QSignalSpy changes(&clipboard, &Clipboard::changed);
    clipboard.refillsWhenCleared = true;
    clipboard.copy(QStringLiteral("first"));
    clipboard.clear();
    QCOMPARE(clipboard.text(), QStringLiteral("first"));
    QCOMPARE(changes.count(), 3); // the copy, the clear and the refill
    clipboard.setText(QStringLiteral("a\r\nb"));
    QCOMPARE(clipboard.written, QStringList{QStringLiteral("a\nb")});
}

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
