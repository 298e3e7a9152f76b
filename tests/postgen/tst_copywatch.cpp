#include "postgen/copywatch.h"

#include <QRegularExpression>
#include <QTest>

// Each event is "clear:<text before>@<ms>", "change:<text now>@<ms>" or
// "poll:<text read>@<ms>"; the run's first clear comes at its start.
class TestCopyWatch : public QObject
{
    Q_OBJECT
private slots:
    void decidesWhatIsACopy_data();
    void decidesWhatIsACopy();
};

void TestCopyWatch::decidesWhatIsACopy_data()
{
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("taken");

    // Without a clipboard manager: the clipboard stays empty after a clear.
    QTest::newRow("copy after the start")
        << QStringList{"clear:@0", "change:first@900", "poll:first@1000"} << "first";
    QTest::newRow("text from before the run, cleared at the start")
        << QStringList{"clear:before@0", "change:@0", "poll:@250", "poll:@500"} << "";
    QTest::newRow("same text copied twice 300 ms apart")
        << QStringList{"clear:@0",     "change:same@1000", "poll:same@1000",  "clear:same@1050",
                       "change:@1050", "poll:@1250",       "change:same@1300"}
        << "same";
    QTest::newRow("same text copied twice, the second seen only by a tick")
        << QStringList{"clear:@0", "change:same@1000", "poll:same@1200", "clear:same@1200",
                       "poll:same@1450"}
        << "same";
    QTest::newRow("same text copied again two seconds later")
        << QStringList{"clear:same@0", "change:@0", "poll:@250", "change:same@2000"} << "same";
    QTest::newRow("an older text copied again right after a clear")
        << QStringList{"clear:@0",        "change:one@500", "clear:one@600",
                       "change:two@1000", "clear:two@1100", "change:one@1200"}
        << "one";
    QTest::newRow("spaces only are not taken") << QStringList{"clear:@0", "change:   @400"} << "";
    QTest::newRow("spaces trimmed, tabs and breaks kept")
        << QStringList{"clear:@0", "change:  a\tb\n  @400"} << "a\tb\n";
    QTest::newRow("no text (an image) waits")
        << QStringList{"clear:x@0", "change:@0", "change:@600"} << "";
    QTest::newRow("a different text right after the clear is a copy")
        << QStringList{"clear:x@0", "change:y@50"} << "y";

    // Beside a manager that puts the last text back when it finds the clipboard
    // empty: its first put back, after the start, shows it is there.
    QTest::newRow("manager puts back the text from before the run")
        << QStringList{"clear:before@0", "change:@1", "change:before@5", "poll:before@250",
                       "poll:before@1500"}
        << "";
    QTest::newRow("manager puts back the text taken")
        << QStringList{"clear:before@0",    "change:before@5",  "change:first@2000",
                       "poll:first@2000",   "clear:first@2000", "change:@2000",
                       "change:first@2100", "poll:first@2250"}
        << "";
    QTest::newRow("put backs seen only by a tick")
        << QStringList{"clear:before@0",   "poll:before@250", "change:first@2000",
                       "clear:first@2000", "poll:first@2250", "poll:first@2500"}
        << "";
    QTest::newRow("same text copied again after the put back")
        << QStringList{"clear:before@0",   "change:before@5", "change:same@2000", "clear:same@2000",
                       "change:same@2100", "poll:same@2250",  "change:same@4000"}
        << "same";
    QTest::newRow("text copied during a prompt is put back, not taken")
        << QStringList{"clear:before@0", "change:before@5", "change:typed@100", "clear:typed@300",
                       "change:typed@320"}
        << "";
    QTest::newRow("a different copy after the put back")
        << QStringList{"clear:first@0", "change:first@100", "change:second@1200"} << "second";
    QTest::newRow("a manager that missed the last copy puts an older one back")
        << QStringList{"clear:before@0",   "change:before@100",  "change:first@2000",
                       "clear:first@2010", "change:before@2090", "poll:before@2250"}
        << "";
    QTest::newRow("an older text copied again long after the clear is a copy")
        << QStringList{"clear:before@0", "change:before@100", "change:first@2000",
                       "clear:first@2010", "change:before@4000"}
        << "before";
    QTest::newRow("the same text long after the clear is a copy")
        << QStringList{"clear:first@0",    "change:first@100", "change:other@2000",
                       "clear:other@2000", "change:@2000",     "change:other@3500"}
        << "other";

    // A manager that had nothing to put back at the start is not known yet.
    QTest::newRow("before a manager is seen, a text that comes back is taken")
        << QStringList{"clear:@0", "change:first@1000", "clear:first@1100", "change:first@1105"}
        << "first";
}

void TestCopyWatch::decidesWhatIsACopy()
{
    QFETCH(QStringList, events);
    QFETCH(QString, taken);
    static const QRegularExpression form(QStringLiteral("^(clear|change|poll):(.*)@(\\d+)$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    CopyWatch watch;
    for (const QString &event : events) {
        const QRegularExpressionMatch match = form.match(event);
        QVERIFY2(match.hasMatch(), qPrintable(event));
        const QString text = match.captured(2);
        const qint64 ms = match.captured(3).toLongLong();
        if (match.captured(1) == QLatin1String("clear"))
            watch.cleared(text, ms);
        else if (match.captured(1) == QLatin1String("change"))
            watch.changed(text, ms);
        else
            watch.polled(text, ms);
    }
    QCOMPARE(watch.copiedText(), taken);
}

QTEST_GUILESS_MAIN(TestCopyWatch)
#include "tst_copywatch.moc"
