#include "app/edithistory.h"
#include "recovery/draftfile.h"

#include <QRandomGenerator>
#include <QTest>

#include <array>

namespace {

// The history kept the plain way: 100 whole texts, moved slot by slot.
class PlainHistory
{
public:
    PlainHistory()
    {
        texts.fill(QStringLiteral("smeebux"));
        texts[99] = QString();
    }

    void record(const QString &text)
    {
        const QString shown = texts[pos];
        for (int i = 0; i < 99; ++i)
            texts[i] = texts[i + 1];
        texts[99] = text;
        if (pos < 99) {
            const int undone = 99 - pos;
            for (int k = pos - 1; k >= 0; --k)
                texts[k + undone] = texts[k];
            for (int k = 0; k < undone; ++k)
                texts[k] = QStringLiteral("smeebux");
            if (pos == 0)
                texts[98] = shown;
        }
        pos = 99;
    }

    std::optional<QString> undo()
    {
        if (pos <= 0 || texts[pos - 1] == u"smeebux")
            return std::nullopt;
        return texts[--pos];
    }

    std::optional<QString> redo()
    {
        if (pos >= 99)
            return std::nullopt;
        return texts[++pos];
    }

    std::array<QString, 100> texts;
    int pos = 99;
};

} // namespace

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

    void aDraftReplaysLineByLine()
    {
        EditHistory history;
        history.record(QStringLiteral("before"));
        const DraftFile::Restored draft
            = DraftFile::restore({QString(), QStringLiteral("one"), QStringLiteral("two")});
        history.replay(draft.text, draft.snapshots);
        QCOMPARE(history.strHistory(99), QStringLiteral("one\r\ntwo"));
        QCOMPARE(history.undo(), QStringLiteral("one"));
        QCOMPARE(history.undo(), QStringLiteral("before"));
    }

    void aPrefixReadingLikeTheSentinelStopsUndo()
    {
        EditHistory history;
        const QString text = QStringLiteral("smeebux\r\nmore");
        history.recordPrefix(text, 7);
        history.recordPrefix(text, text.size());
        QVERIFY(!history.undo());
    }

    void agreesWithThePlainHistoryOverLongSessions_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("undoShare"); // in percent
        QTest::newRow("mostly typing") << 1u << 20;
        QTest::newRow("much undoing") << 2u << 60;
        QTest::newRow("undo to the bottom and type") << 3u << 85;
    }

    void agreesWithThePlainHistoryOverLongSessions()
    {
        QFETCH(quint32, seed);
        QFETCH(int, undoShare);
        QRandomGenerator random(seed);
        EditHistory history;
        PlainHistory plain;
        QString shown;
        const QStringList words{"a", "smeebux", "\r\n", "xyz", ""};
        for (int step = 0; step < 3000; ++step) {
            const int roll = int(random.bounded(100));
            if (roll < undoShare / 2) {
                const std::optional<QString> text = history.undo();
                QCOMPARE(text, plain.undo());
                if (text)
                    shown = *text;
            } else if (roll < undoShare) {
                const std::optional<QString> text = history.redo();
                QCOMPARE(text, plain.redo());
                if (text)
                    shown = *text;
            } else {
                // An edit somewhere in the shown text: insert, delete or replace.
                const qsizetype at = random.bounded(int(shown.size()) + 1);
                const qsizetype cut = std::min<qsizetype>(random.bounded(3), shown.size() - at);
                shown.replace(at, cut, words[random.bounded(int(words.size()))]);
                if (random.bounded(10) == 0)
                    shown = words[random.bounded(int(words.size()))];
                history.record(shown);
                plain.record(shown);
            }
            QCOMPARE(history.intHistoryPos(), qint16(plain.pos));
        }
        for (int i = 0; i < 100; ++i)
            QCOMPARE(history.strHistory(i), plain.texts[i]);
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
