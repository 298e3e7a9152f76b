#include "widgets/widgetprompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

class TestWidgetPrompts : public QObject
{
    Q_OBJECT
private slots:
    void inputPromptIsPlainText_data();
    void inputPromptIsPlainText();
};

void TestWidgetPrompts::inputPromptIsPlainText_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("plainLabel"); // a label without markup or buddy that looks the same
    QTest::newRow("markup") << QStringLiteral("<b>Bold</b>:") << QStringLiteral("<b>Bold</b>:");
    QTest::newRow("ampersand") << QStringLiteral("Q&A:") << QStringLiteral("Q&A:");
    QTest::newRow("entity") << QStringLiteral("&lt;tag&gt;") << QStringLiteral("&lt;tag&gt;");
}

void TestWidgetPrompts::inputPromptIsPlainText()
{
    QFETCH(QString, prompt);
    QFETCH(QString, plainLabel);
    int shownWidth = -1;
    bool rich = true;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto *label = dialog->findChild<QLabel *>();
        QVERIFY(label);
        rich = label->textFormat() != Qt::PlainText;
        shownWidth = label->sizeHint().width();
        dialog->findChild<QLineEdit *>()->setText(QStringLiteral("answer"));
        dialog->accept();
    });
    WidgetPrompts prompts;
    QCOMPARE(prompts.inputBox(prompt, QStringLiteral("Insert URL"), QString()),
             QStringLiteral("answer"));
    QVERIFY(!rich);
    QLabel reference;
    reference.setTextFormat(Qt::PlainText);
    reference.setText(plainLabel);
    QCOMPARE(shownWidth, reference.sizeHint().width());
}

QTEST_MAIN(TestWidgetPrompts)
#include "tst_widgetprompts.moc"
