#include "recovery/recoveryschedule.h"

#include <QTest>

// Each row is a sequence of events and the action each one asks for.
// Events: "e@T" the post changed and is unsaved at T ms, "s@T" it changed to
// saved (copied, saved, opened, emptied) at T, "t@T" the timer at T, "end" the
// session ends, "close" the window closed, "keep" the earlier run's file kept.
// Actions: "." nothing, "W" write the post, "R" remove the file.
class TestRecoverySchedule : public QObject
{
    Q_OBJECT

private slots:
    void sequence_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<qint64>("dueAfter"); // -1: no write waits

        QTest::newRow("one write 2 s after a change") << "e@0 t@1999 t@2000"
                                                      << ". . W" << qint64(-1);
        QTest::newRow("every change moves the write on") << "e@0 e@1500 t@2000 t@3499 t@3500"
                                                         << ". . . . W" << qint64(-1);
        QTest::newRow("a late timer still writes") << "e@0 t@7000"
                                                   << ". W" << qint64(-1);
        QTest::newRow("continuous typing writes 10 s after the first change")
            << "e@0 e@1500 e@3000 e@4500 e@6000 e@7500 e@9000 t@9999 t@10000"
            << ". . . . . . . . W" << qint64(-1);
        QTest::newRow("the last change before the 10 s mark waits no longer")
            << "e@0 e@9500"
            << ". ." << qint64(10000);
        QTest::newRow("after a write the next change waits for its own pause")
            << "e@0 e@9500 t@10000 e@10500"
            << ". . W ." << qint64(12500);
        QTest::newRow("nothing changed: the timer writes nothing") << "t@5000"
                                                                   << "." << qint64(-1);
        QTest::newRow("saved before the write: nothing written, nothing to remove")
            << "e@0 s@1000 t@3000"
            << ". . ." << qint64(-1);
        QTest::newRow("saved after a write removes the file, once") << "e@0 t@2000 s@2500 s@2600"
                                                                    << ". W R ." << qint64(-1);
        QTest::newRow("typing again after saving writes again") << "e@0 t@2000 s@3000 e@3500 t@5500"
                                                                << ". W R . W" << qint64(-1);
        QTest::newRow("the session end writes a waiting change at once") << "e@0 end t@2000"
                                                                         << ". W ." << qint64(-1);
        QTest::newRow("the session end writes the unsaved post again") << "e@0 t@2000 end"
                                                                       << ". W W" << qint64(-1);
        QTest::newRow("the session end with nothing unsaved writes nothing")
            << "e@0 s@100 end"
            << ". . ." << qint64(-1);
        QTest::newRow("closing removes a written file and drops a waiting write")
            << "e@0 t@2000 e@2500 close t@9000"
            << ". W . R ." << qint64(-1);
        QTest::newRow("closing before anything was written removes nothing") << "e@0 close"
                                                                             << ". ." << qint64(-1);
        QTest::newRow("a recovered post's file stays until the post is saved")
            << "keep e@0 s@500"
            << ". . R" << qint64(-1);
        QTest::newRow("a recovered post's file goes when the window closes") << "keep close"
                                                                             << ". R" << qint64(-1);
        QTest::newRow("without a recovered post, saving removes nothing") << "s@0 close"
                                                                          << ". ." << qint64(-1);
    }

    void sequence()
    {
        QFETCH(QString, events);
        QFETCH(QString, actions);
        QFETCH(qint64, dueAfter);

        RecoverySchedule schedule;
        QStringList done;
        for (const QString &event : events.split(u' ')) {
            const QString kind = event.section(u'@', 0, 0);
            const qint64 at = event.section(u'@', 1, 1).toLongLong();
            RecoverySchedule::Action action = RecoverySchedule::Action::None;
            if (kind == QLatin1String("e"))
                action = schedule.postChanged(true, at);
            else if (kind == QLatin1String("s"))
                action = schedule.postChanged(false, at);
            else if (kind == QLatin1String("t"))
                action = schedule.timeReached(at);
            else if (kind == QLatin1String("end"))
                action = schedule.sessionEnding();
            else if (kind == QLatin1String("close"))
                action = schedule.windowClosed();
            else if (kind == QLatin1String("keep"))
                schedule.keepEarlierFile();
            else
                QFAIL(qPrintable(QStringLiteral("unknown event ") + event));
            switch (action) {
            case RecoverySchedule::Action::None:
                done.append(QStringLiteral("."));
                break;
            case RecoverySchedule::Action::Write:
                done.append(QStringLiteral("W"));
                break;
            case RecoverySchedule::Action::Remove:
                done.append(QStringLiteral("R"));
                break;
            }
        }
        QCOMPARE(done.join(u' '), actions);
        QCOMPARE(schedule.writeDue().value_or(-1), dueAfter);
    }
};

QTEST_GUILESS_MAIN(TestRecoverySchedule)
#include "tst_recoveryschedule.moc"
