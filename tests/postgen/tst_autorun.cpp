#include "postgen/autorun.h"

#include <QTest>

Q_DECLARE_METATYPE(AutoRun::Action)

class tst_AutoRun : public QObject
{
    Q_OBJECT

private slots:
    void walksTheFieldsInOrder();
    void unknownKindWaitsAndCounts();
    void noFieldsIsFinishedAtOnce();
    void resetStartsAgain();
    void takenText_data();
    void takenText();
};

namespace {

FieldDefinition field(const QString &caption, qint16 autoKind)
{
    FieldDefinition definition;
    definition.Caption = caption;
    definition.AutoKind = autoKind;
    definition.Source = QStringLiteral("0");
    return definition;
}

} // namespace

void tst_AutoRun::walksTheFieldsInOrder()
{
    AutoRun run({field("Title", 1), field("Address", 1), field("Site", 0), field("Comment", 2)});
    QCOMPARE(run.fieldCount(), 4);
    QCOMPARE(run.autoCount(), 3);

    const QList<AutoRun::Action> actions{AutoRun::Action::TakeClipboard,
                                         AutoRun::Action::TakeClipboard, AutoRun::Action::Pass,
                                         AutoRun::Action::AskInput};
    const QStringList captions{"Title (1/3) [Awaiting copy]", "Address (2/3) [Awaiting copy]", "",
                               "Comment (3/3) [Awaiting input]"};
    for (int step = 0; step < 4; ++step) {
        QCOMPARE(run.step(), step);
        QVERIFY(!run.isFinished());
        QCOMPARE(run.action(), actions.at(step));
        QCOMPARE(run.progressCaption(), captions.at(step));
        run.advance();
    }
    QVERIFY(run.isFinished());
    QCOMPARE(run.step(), 4);
    run.advance();
    QCOMPARE(run.step(), 4);
}

void tst_AutoRun::unknownKindWaitsAndCounts()
{
    AutoRun run({field("Skipped", 0), field("Odd", 3), field("Last", 1)});
    QCOMPARE(run.autoCount(), 2);
    run.advance();
    QCOMPARE(run.action(), AutoRun::Action::Wait);
    QCOMPARE(run.progressCaption(), QStringLiteral("Odd (1/2)"));
    QCOMPARE(run.progressNumber(), 1);
}

void tst_AutoRun::noFieldsIsFinishedAtOnce()
{
    AutoRun run;
    QVERIFY(run.isFinished());
    QCOMPARE(run.action(), AutoRun::Action::Wait);
    QCOMPARE(run.progressCaption(), QString());
}

void tst_AutoRun::resetStartsAgain()
{
    AutoRun run({field("Comment", 2)});
    QCOMPARE(run.inputPrompt(), QStringLiteral("Comment:"));
    run.advance();
    QVERIFY(run.isFinished());
    run.reset();
    QCOMPARE(run.step(), 0);
    QCOMPARE(run.action(), AutoRun::Action::AskInput);
}

void tst_AutoRun::takenText_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("taken");

    QTest::newRow("spaces around trimmed") << "  abc  "
                                           << "abc";
    QTest::newRow("only spaces is nothing") << "    "
                                            << "";
    QTest::newRow("tabs stay") << "\tabc\t"
                               << "\tabc\t";
    QTest::newRow("line breaks stay") << "\r\nabc \r\n"
                                      << "\r\nabc \r\n";
    QTest::newRow("inner spaces stay") << " a  b "
                                       << "a  b";
    QTest::newRow("no text") << ""
                             << "";
}

void tst_AutoRun::takenText()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, taken);
    QCOMPARE(AutoRun::takenText(clipboard), taken);
}

QTEST_GUILESS_MAIN(tst_AutoRun)
#include "tst_autorun.moc"
