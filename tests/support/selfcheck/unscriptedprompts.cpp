#include "fakes.h"

#include <QTest>

// Each prompt below that nobody scripted must fail its test function: CTest
// passes this program only when Qt Test reports exactly those failures.
class UnscriptedPrompts : public QObject
{
    Q_OBJECT

private slots:
    void scriptedPromptsPass()
    {
        ScriptedPrompts prompts;
        prompts.queueAnswer(MessageAnswer::Yes);
        prompts.queueInput(QStringLiteral("typed"));
        prompts.queueColor(QColor(Qt::red));
        QList<QColor> custom;
        QCOMPARE(Platform::prompts().messageBox(QStringLiteral("Sure?"), QStringLiteral("Ask"),
                                                MessageIcon::Question, MessageButtons::YesNo),
                 MessageAnswer::Yes);
        QCOMPARE(Platform::prompts().inputBox(QStringLiteral("Name"), QStringLiteral("Ask"), {}),
                 QStringLiteral("typed"));
        QCOMPARE(Platform::prompts().pickColor(Qt::black, custom), std::optional<QColor>(Qt::red));
    }

    void unscriptedMessageBoxFails()
    {
        ScriptedPrompts prompts;
        Platform::prompts().messageBox(QStringLiteral("Surprise"), QStringLiteral("Oops"),
                                       MessageIcon::Critical, MessageButtons::Ok);
    }

    void unscriptedInputBoxFails()
    {
        ScriptedPrompts prompts;
        prompts.queueAnswer(MessageAnswer::Ok); // an answer of another kind does not count
        Platform::prompts().inputBox(QStringLiteral("Item"), QStringLiteral("List"), {});
    }

    void unscriptedColourPickerFails()
    {
        ScriptedPrompts prompts;
        QList<QColor> custom;
        Platform::prompts().pickColor(Qt::black, custom);
    }
};

QTEST_GUILESS_MAIN(UnscriptedPrompts)
#include "unscriptedprompts.moc"
