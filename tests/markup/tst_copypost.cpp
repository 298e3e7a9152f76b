#include "markup/copypost.h"

#include "fakes.h"

#include <QTest>

namespace {

QString breaks(int count)
{
    return QStringLiteral("\r\n").repeated(count);
}

// The post of a copy in progress; a key "typed" while the events run is added to it.
class FakeEditor : public CopyPost::Editor
{
public:
    FakeEditor(const QString &post, const FakeClipboard &clipboard)
        : post(post), m_clipboard(clipboard)
    {
    }

    QString text() const override { return post; }
    void write(const QString &text) override
    {
        writes.append(text);
        post = text;
    }
    bool runEvents() override
    {
        ++eventRuns;
        clipboardEmptyMeanwhile = !m_clipboard.hasText();
        post += typedMeanwhile;
        return !typedMeanwhile.isEmpty();
    }

    QString post;
    QString typedMeanwhile;
    QStringList writes;
    int eventRuns = 0;
    bool clipboardEmptyMeanwhile = false;

private:
    const FakeClipboard &m_clipboard;
};

} // namespace

class TestCopyPost : public QObject
{
    Q_OBJECT
private slots:
    void removeBreakRuns_data();
    void removeBreakRuns();
    void tidyingRuns_data();
    void tidyingRuns();
    void passesOfSeventeen();
    void tidyingKeepsEverythingElse();
    void longEnough_data();
    void longEnough();
    void copy_data();
    void copy();
    void tooShortIsNotCopied();
};

void TestCopyPost::removeBreakRuns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected");

    QTest::newRow("run of exactly n becomes two")
        << "a" + breaks(3) + "b" << 3 << "a" + breaks(2) + "b";
    QTest::newRow("longer run: matches left to right, rest kept")
        << "a" + breaks(7) + "b" << 3 << "a" + breaks(5) + "b";
    QTest::newRow("inserted breaks are not scanned again")
        << "a" + breaks(6) + "b" << 3 << "a" + breaks(4) + "b";
    QTest::newRow("shorter run untouched") << "a" + breaks(2) + "b" << 3 << "a" + breaks(2) + "b";
    QTest::newRow("several runs") << breaks(4) + "x" + breaks(4) << 4
                                  << breaks(2) + "x" + breaks(2);
    QTest::newRow("lone CRs are not line breaks") << "a\r\r\r\r\r\rb" << 3 << "a\r\r\r\r\r\rb";
    QTest::newRow("lone LFs are not line breaks") << "a\n\n\n\n\n\nb" << 3 << "a\n\n\n\n\n\nb";
    QTest::newRow("a lone CR splits a run")
        << "a\r\n\r\n\r\r\n\r\nb" << 3 << "a\r\n\r\n\r\r\n\r\nb";
    QTest::newRow("empty text") << "" << 6 << "";
}

void TestCopyPost::removeBreakRuns()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QTEST(CopyPost::removeBreakRuns(text, n), "expected");
}

void TestCopyPost::tidyingRuns_data()
{
    QTest::addColumn<int>("run");
    QTest::addColumn<int>("left");

    const int expected[] = {0, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 2, 2, 2};
    for (int run = 0; run <= 20; ++run)
        QTest::addRow("run of %d breaks", run) << run << expected[run];
}

void TestCopyPost::tidyingRuns()
{
    QFETCH(int, run);
    QFETCH(int, left);

    const QStringList passes = CopyPost::tidyPasses("top" + breaks(run) + "end");

    QCOMPARE(passes.size(), 4);
    QCOMPARE(passes.last(), "top" + breaks(left) + "end");
}

void TestCopyPost::passesOfSeventeen()
{
    // 6+6+5 -> 2+2+5 = 9, then 5+4 -> 2+4 = 6, then 4+2 -> 2+2 = 4, then 3+1 -> 2+1 = 3.
    const QStringList passes = CopyPost::tidyPasses(breaks(17));
    QCOMPARE(passes, (QStringList{breaks(9), breaks(6), breaks(4), breaks(3)}));
}

void TestCopyPost::tidyingKeepsEverythingElse()
{
    const QString post = QStringLiteral("[B]Hello[/B]\r\nLine two\r\n\r\nParagraph\ttab \u00e9");
    const QStringList passes = CopyPost::tidyPasses(post);
    QCOMPARE(passes, (QStringList{post, post, post, post}));
}

void TestCopyPost::longEnough_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    QTest::newRow("empty") << "" << false;
    QTest::newRow("one character") << "a" << false;
    QTest::newRow("two characters") << "ab" << true;
    QTest::newRow("a line break alone is two characters") << "\r\n" << true;
}

void TestCopyPost::longEnough()
{
    QFETCH(QString, text);
    QTEST(CopyPost::longEnough(text), "expected");
}

void TestCopyPost::copy_data()
{
    QTest::addColumn<QString>("post");
    QTest::addColumn<bool>("tidy");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QString>("copied");

    QTest::newRow("untidied: the post as it is")
        << breaks(17) << false << "" << QStringList() << breaks(17);
    QTest::newRow("tidied: each pass is an edit, the last is copied")
        << breaks(17) << true << "" << QStringList{breaks(9), breaks(6), breaks(4), breaks(3)}
        << breaks(3);
    QTest::newRow("a key typed meanwhile goes with the copy")
        << "ab" << false << "c" << QStringList() << "abc";
    QTest::newRow("typed after tidying: the tidied post and the key")
        << "a" + breaks(4) + "b" << true << "!"
        << QStringList{"a" + breaks(4) + "b", "a" + breaks(4) + "b", "a" + breaks(2) + "b",
                       "a" + breaks(2) + "b"}
        << "a" + breaks(2) + "b!";
}

void TestCopyPost::copy()
{
    QFETCH(QString, post);
    QFETCH(bool, tidy);
    QFETCH(QString, typed);
    QFETCH(QStringList, writes);
    QFETCH(QString, copied);

    FakeClipboard clipboard;
    clipboard.copy(QStringLiteral("older copy"));
    FakeEditor editor(post, clipboard);
    editor.typedMeanwhile = typed;

    QVERIFY(CopyPost::copy(editor, tidy, clipboard));

    QCOMPARE(editor.writes, writes);
    QCOMPARE(editor.eventRuns, 1);
    // The clipboard is empty while the events run, so a clipboard manager that
    // puts the older copy back is seen.
    QVERIFY(editor.clipboardEmptyMeanwhile);
    QCOMPARE(clipboard.written, QStringList{Clipboard::withPlatformLineEnds(copied)});
}

void TestCopyPost::tooShortIsNotCopied()
{
    FakeClipboard clipboard;
    clipboard.copy(QStringLiteral("older copy"));
    FakeEditor editor(QStringLiteral("a"), clipboard);

    QVERIFY(!CopyPost::copy(editor, true, clipboard));

    QVERIFY(editor.writes.isEmpty());
    QCOMPARE(editor.eventRuns, 0);
    QCOMPARE(clipboard.clears, 0);
    QCOMPARE(clipboard.text(), QStringLiteral("older copy"));
}

QTEST_GUILESS_MAIN(TestCopyPost)
#include "tst_copypost.moc"
