#include "app/edithistory.h"

#include <QTest>

class TestEditHistory : public QObject
{
    Q_OBJECT

private:
    // Records "1", "2", ... "count".
    static void recordNumbers(EditHistory &history, int count)
    {
        for (int i = 1; i <= count; ++i)
            history.record(QString::number(i));
    }

private slots:
    void startsWithTheEmptyPostAndSentinels()
    {
        EditHistory history;
        QCOMPARE(history.intHistoryPos(), qint16(99));
        QCOMPARE(history.strHistory(99), QString());
        for (int i = 0; i < 99; ++i)
            QCOMPARE(history.strHistory(i), QStringLiteral("smeebux"));
        QVERIFY(!history.undo());
        QVERIFY(!history.redo());
    }

    void undoAndRedoWalkThroughTwoTypedCharacters()
    {
        EditHistory history;
        history.record(QStringLiteral("a"));
        history.record(QStringLiteral("ab"));
        QCOMPARE(history.undo(), QStringLiteral("a"));
        QCOMPARE(history.undo(), QString());
        QVERIFY(!history.undo());
        QCOMPARE(history.intHistoryPos(), qint16(97));
        QCOMPARE(history.redo(), QStringLiteral("a"));
        QCOMPARE(history.redo(), QStringLiteral("ab"));
        QVERIFY(!history.redo());
        QCOMPARE(history.intHistoryPos(), qint16(99));
    }

    void keepsTheNewestHundredTexts()
    {
        EditHistory history;
        recordNumbers(history, 150);
        QCOMPARE(history.strHistory(0), QStringLiteral("51"));
        QCOMPARE(history.strHistory(99), QStringLiteral("150"));
        int steps = 0;
        std::optional<QString> shown;
        while (const std::optional<QString> older = history.undo()) {
            shown = older;
            ++steps;
        }
        QCOMPARE(steps, 99);
        QCOMPARE(shown, QStringLiteral("51"));
        QCOMPARE(history.intHistoryPos(), qint16(0));
    }

    void aChangeAfterUndoDropsTheUndoneTexts()
    {
        EditHistory history;
        history.record(QStringLiteral("a"));
        history.record(QStringLiteral("ab"));
        history.record(QStringLiteral("abc"));
        history.undo();
        history.undo();
        history.record(QStringLiteral("ax"));

        QCOMPARE(history.intHistoryPos(), qint16(99));
        QCOMPARE(history.strHistory(99), QStringLiteral("ax"));
        QCOMPARE(history.strHistory(98), QStringLiteral("a"));
        QCOMPARE(history.strHistory(97), QString());
        QCOMPARE(history.strHistory(96), QStringLiteral("smeebux"));
        QVERIFY(!history.redo());
        QCOMPARE(history.undo(), QStringLiteral("a"));
        QCOMPARE(history.undo(), QString());
        QVERIFY(!history.undo());
    }

    void aChangeAtTheOldestSnapshotKeepsWhatWasShown()
    {
        EditHistory history;
        recordNumbers(history, 100);
        while (history.undo()) { }
        QCOMPARE(history.intHistoryPos(), qint16(0));
        QCOMPARE(history.strHistory(0), QStringLiteral("1"));

        history.record(QStringLiteral("1x"));
        QCOMPARE(history.strHistory(99), QStringLiteral("1x"));
        QCOMPARE(history.strHistory(98), QStringLiteral("1"));
        QCOMPARE(history.undo(), QStringLiteral("1"));
        QVERIFY(!history.undo());
    }

    void undoStopsBeforeAPostThatReadsLikeTheSentinel()
    {
        EditHistory history;
        history.record(QStringLiteral("smee"));
        history.record(QStringLiteral("smeebux"));
        history.record(QStringLiteral("smeebux!"));
        QVERIFY(!history.undo());
        QCOMPARE(history.intHistoryPos(), qint16(99));
    }

    void theSentinelTestIsCaseSensitive()
    {
        EditHistory history;
        history.record(QStringLiteral("SMEEBUX"));
        history.record(QStringLiteral("x"));
        QCOMPARE(history.undo(), QStringLiteral("SMEEBUX"));
    }

    void prefixSnapshotsShowTheirOwnLength()
    {
        EditHistory history;
        const QString draft = QStringLiteral("one\r\ntwo\r\nthree");
        history.recordPrefix(draft, 3);
        history.recordPrefix(draft, 8);
        history.recordPrefix(draft, draft.size());
        QCOMPARE(history.strHistory(99), draft);
        QCOMPARE(history.undo(), QStringLiteral("one\r\ntwo"));
        QCOMPARE(history.undo(), QStringLiteral("one"));
        QCOMPARE(history.undo(), QString());
        QCOMPARE(history.redo(), QStringLiteral("one"));
    }

    void aPrefixReadingLikeTheSentinelStopsUndo()
    {
        EditHistory history;
        const QString text = QStringLiteral("smeebux\r\nmore");
        history.recordPrefix(text, 7);
        history.recordPrefix(text, text.size());
        QVERIFY(!history.undo());
    }

    void resetReturnsToTheStartState()
    {
        EditHistory history;
        recordNumbers(history, 5);
        history.undo();
        history.reset();
        QCOMPARE(history.intHistoryPos(), qint16(99));
        QCOMPARE(history.strHistory(99), QString());
        QCOMPARE(history.strHistory(98), QStringLiteral("smeebux"));
    }
};

QTEST_GUILESS_MAIN(TestEditHistory)
#include "tst_edithistory.moc"
