#include "app/closequestion.h"

#include "fakes.h"

#include <QTest>

using CloseQuestion::Step;

Q_DECLARE_METATYPE(CloseQuestion::Step)

class TestCloseQuestion : public QObject
{
    Q_OBJECT

private slots:
    void ask_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QList<MessageAnswer>>("answer"); // none: no question is asked
        QTest::addColumn<Step>("step");

        using Answers = QList<MessageAnswer>;
        QTest::newRow("unchanged post") << false << false << Answers() << Step::Close;
        QTest::newRow("empty, changed post") << true << true << Answers() << Step::Close;
        QTest::newRow("changed post, Yes")
            << false << true << Answers{MessageAnswer::Yes} << Step::SaveThenClose;
        QTest::newRow("changed post, No")
            << false << true << Answers{MessageAnswer::No} << Step::Close;
        QTest::newRow("changed post, Cancel")
            << false << true << Answers{MessageAnswer::Cancel} << Step::Stay;
    }

    void ask()
    {
        QFETCH(bool, empty);
        QFETCH(bool, changed);
        QFETCH(QList<MessageAnswer>, answer);
        ScriptedPrompts prompts;
        for (const MessageAnswer a : std::as_const(answer))
            prompts.queueAnswer(a);

        QTEST(CloseQuestion::ask(empty, changed), "step");

        QCOMPARE(prompts.records.size(), answer.size());
        if (!answer.isEmpty()) {
            const PromptRecord &box = prompts.records.constFirst();
            QCOMPARE(
                box.text,
                QStringLiteral("Current post hasn't been copied or saved. Save before exiting?"));
            QCOMPARE(box.title, QStringLiteral("Save Draft?"));
            QCOMPARE(box.buttons, MessageButtons::YesNoCancel);
            QCOMPARE(box.icon, MessageIcon::None);
        }
    }
};

QTEST_GUILESS_MAIN(TestCloseQuestion)
#include "tst_closequestion.moc"
