#include "fakes.h"
#include "markup/ui/tagcommands.h"
#include "widgets/editortext.h"
#include "widgets/skinwidgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Runs a command by its handler name; "cmbFont_Click:3" passes the list's choice.
void run(TagCommands &commands, const QString &command)
{
    const QString name = command.section(u':', 0, 0);
    const QString argument = command.section(u':', 1);
    const QByteArray slot = name.toLatin1();
    bool invoked = false;
    if (name == u"cmbSize_Click")
        invoked = QMetaObject::invokeMethod(&commands, slot.constData(), Q_ARG(QString, argument));
    else if (!argument.isEmpty())
        invoked
            = QMetaObject::invokeMethod(&commands, slot.constData(), Q_ARG(int, argument.toInt()));
    else
        invoked = QMetaObject::invokeMethod(&commands, slot.constData());
    QVERIFY2(invoked, qPrintable(command));
}

} // namespace

class TestTagCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void commands_data();
    void commands();
    void urlPrompt_data();
    void urlPrompt();
    void listPrompts();
    void listCancelledKeepsSelection();
    void focusReturnsToEditor();
    void hiddenEditorStillChanges();
    void listsApplyEveryChoice();

private:
    SkinTextBox *m_editor = nullptr;
    TagCommands *m_commands = nullptr;
    ScriptedPrompts *m_prompts = nullptr;
};

void TestTagCommands::init()
{
    m_editor = new SkinTextBox;
    m_commands = new TagCommands(m_editor, m_editor);
    m_prompts = new ScriptedPrompts;
}

void TestTagCommands::cleanup()
{
    delete m_prompts;
    delete m_editor;
}

void TestTagCommands::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("newStart");
    QTest::addColumn<int>("newLength");

    QTest::newRow("bold wraps the selection and selects it again")
        << "cmdBold_Click"
        << "abc def" << 4 << 3 << "abc [B]def[/B]" << 7 << 3;
    QTest::newRow("italic without a selection puts the caret between the tags")
        << "cmdItalic_Click"
        << "ab" << 1 << 0 << "a[I][/I]b" << 4 << 0;
    QTest::newRow("underline") << "cmdUnderlined_Click"
                               << "x" << 0 << 1 << "[U]x[/U]" << 3 << 1;
    QTest::newRow("image") << "cmdImage_Click"
                           << "p.png" << 0 << 5 << "[IMG]p.png[/IMG]" << 5 << 5;
    QTest::newRow("e-mail") << "cmdEmail_Click"
                            << "a@b" << 0 << 3 << "[EMAIL]a@b[/EMAIL]" << 7 << 3;
    QTest::newRow("quote") << "cmdQuote_Click"
                           << "q" << 0 << 1 << "[QUOTE]q[/QUOTE]" << 7 << 1;
    QTest::newRow("code") << "cmdCode_Click"
                          << "c" << 0 << 1 << "[CODE]c[/CODE]" << 6 << 1;
    QTest::newRow("font writes the item as listed")
        << "cmbFont_Click:3"
        << "x" << 0 << 1 << "[FONT=Courier]x[/FONT]" << 14 << 1;
    QTest::newRow("font heading inserts nothing") << "cmbFont_Click:0"
                                                  << "x" << 0 << 1 << "x" << 0 << 1;
    QTest::newRow("size Largest writes 14") << "cmbSize_Click:Largest"
                                            << "x" << 1 << 0 << "x[SIZE=14][/SIZE]" << 10 << 0;
    QTest::newRow("size Small writes 1") << "cmbSize_Click:Small"
                                         << "x" << 0 << 1 << "[SIZE=1]x[/SIZE]" << 8 << 1;
    QTest::newRow("size heading inserts nothing") << "cmbSize_Click:Size"
                                                  << "x" << 1 << 0 << "x" << 1 << 0;
    QTest::newRow("colour in lower case") << "cmbColor_Click:6"
                                          << "x" << 0 << 1 << "[COLOR=gray]x[/COLOR]" << 12 << 1;
    QTest::newRow("colour heading inserts nothing") << "cmbColor_Click:0"
                                                    << "x" << 0 << 0 << "x" << 0 << 0;
    QTest::newRow("a selection across line breaks is wrapped and selected whole")
        << "cmdBold_Click"
        << "one\r\ntwo\r\nthree" << 2 << 10 << "on[B]e\r\ntwo\r\nth[/B]ree" << 5 << 10;
    QTest::newRow("caret on the second line counts the break as two")
        << "cmdBold_Click"
        << "ab\r\ncd" << 5 << 0 << "ab\r\nc[B][/B]d" << 8 << 0;
}

void TestTagCommands::commands()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, result);
    EditorText editor(m_editor);
    editor.setText(text);
    editor.setSelection(selStart, selLength);
    const QSignalSpy changes(m_editor, &QPlainTextEdit::textChanged);

    run(*m_commands, command);

    QCOMPARE(editor.text(), result);
    QTEST(editor.selStart(), "newStart");
    QTEST(editor.selLength(), "newLength");
    // One recorded change per command, none when nothing is inserted.
    QCOMPARE(changes.count(), result == text ? 0 : 1);
}

void TestTagCommands::urlPrompt_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("newStart");
    QTest::addColumn<int>("newLength");

    QTest::newRow("an address makes the selection its link text")
        << "http://forum.example/t?1"
        << "see [URL=http://forum.example/t?1]here[/URL] now" << 38 << 0;
    QTest::newRow("the default is used as it stands")
        << "http://"
        << "see [URL=http://]here[/URL] now" << 21 << 0;
    QTest::newRow("cancel changes nothing") << ""
                                            << "see here now" << 4 << 4;
}

void TestTagCommands::urlPrompt()
{
    QFETCH(QString, answer);
    EditorText editor(m_editor);
    editor.setText(QStringLiteral("see here now"));
    editor.setSelection(4, 4);
    m_prompts->queueInput(answer);

    m_commands->cmdURL_Click();

    QCOMPARE(m_prompts->records.size(), 1);
    const PromptRecord prompt = m_prompts->records.first();
    QCOMPARE(prompt.kind, PromptRecord::Input);
    QCOMPARE(prompt.text, QStringLiteral("Enter the URL for the link:"));
    QCOMPARE(prompt.title, QStringLiteral("Insert URL"));
    QCOMPARE(prompt.defaultText, QStringLiteral("http://"));
    QTEST(editor.text(), "result");
    QTEST(editor.selStart(), "newStart");
    QTEST(editor.selLength(), "newLength");
}

void TestTagCommands::listPrompts()
{
    EditorText editor(m_editor);
    editor.setText(QStringLiteral("top\r\nreplace me\r\nend"));
    editor.setSelection(5, 10);
    m_prompts->queueInput(QStringLiteral("one"));
    m_prompts->queueInput(QStringLiteral("two"));
    m_prompts->queueInput(QString());
    const QSignalSpy changes(m_editor, &QPlainTextEdit::textChanged);

    m_commands->cmdList_Click();

    QCOMPARE(m_prompts->records.size(), 3);
    for (const PromptRecord &prompt : std::as_const(m_prompts->records)) {
        QCOMPARE(prompt.kind, PromptRecord::Input);
        QCOMPARE(prompt.text,
                 QStringLiteral("Enter a list item (enter blank or press cancel to end list)"));
        QCOMPARE(prompt.title, QStringLiteral("Insert List"));
        QCOMPARE(prompt.defaultText, QString());
    }
    QCOMPARE(editor.text(), QStringLiteral("top\r\n[LIST]\r\n[*]one\r\n[*]two\r\n[/LIST]\r\nend"));
    QCOMPARE(editor.selStart(), 29); // the start of the "[/LIST]" line
    QCOMPARE(editor.selLength(), 0);
    QCOMPARE(changes.count(), 1);
}

void TestTagCommands::listCancelledKeepsSelection()
{
    EditorText editor(m_editor);
    editor.setText(QStringLiteral("keep\r\nthis"));
    editor.setSelection(2, 5);
    m_prompts->queueInput(QString()); // the first box is cancelled

    m_commands->cmdList_Click();

    QCOMPARE(m_prompts->records.size(), 1);
    QCOMPARE(editor.text(), QStringLiteral("keep\r\nthis"));
    QCOMPARE(editor.selStart(), 2);
    QCOMPARE(editor.selLength(), 5);
}

void TestTagCommands::focusReturnsToEditor()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *button = new QPushButton(QStringLiteral("B"), &window);
    auto *editor = new SkinTextBox(&window);
    layout->addWidget(button);
    layout->addWidget(editor);
    TagCommands commands(editor, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    button->setFocus();
    QVERIFY(button->hasFocus());

    commands.cmdBold_Click();

    QVERIFY(editor->hasFocus());
}

void TestTagCommands::hiddenEditorStillChanges()
{
    // While the preview shows, the editor is hidden: the commands still edit the post.
    QWidget window;
    auto *button = new QPushButton(QStringLiteral("B"), &window);
    auto *hidden = new SkinTextBox(&window);
    hidden->hide();
    TagCommands commands(hidden, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    button->setFocus();
    EditorText editor(hidden);
    editor.setText(QStringLiteral("hidden"));
    editor.setSelection(0, 6);
    m_prompts->queueInput(QStringLiteral("http://a.example"));

    commands.cmdURL_Click();
    commands.cmdBold_Click();

    QCOMPARE(editor.text(), QStringLiteral("[URL=http://a.example]hidden[B][/B][/URL]"));
    QCOMPARE(editor.selStart(), 31);
    QVERIFY(button->hasFocus());
}

void TestTagCommands::listsApplyEveryChoice()
{
    QWidget window;
    auto *font = new QComboBox(&window);
    auto *size = new QComboBox(&window);
    auto *color = new QComboBox(&window);
    m_commands->attachLists(font, size, color);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(font->currentText(), QStringLiteral("Font"));
    QCOMPARE(size->count(), 4);
    QCOMPARE(color->itemText(7), QStringLiteral("Green"));
    EditorText editor(m_editor);

    // Arrow keys on a closed list choose the next item.
    QTest::keyClick(font, Qt::Key_Down);
    QCOMPARE(editor.text(), QStringLiteral("[FONT=Arial][/FONT]"));
    // Choosing the item already shown applies it again.
    emit font->activated(1);
    QCOMPARE(editor.text(), QStringLiteral("[FONT=Arial][FONT=Arial][/FONT][/FONT]"));
    QCOMPARE(font->currentIndex(), 1);

    editor.setText(QString());
    QTest::keyClick(size, Qt::Key_End);
    QCOMPARE(editor.text(), QStringLiteral("[SIZE=14][/SIZE]"));
    QCOMPARE(size->currentText(), QStringLiteral("Largest"));

    editor.setText(QString());
    QTest::keyClick(color, Qt::Key_Down);
    QCOMPARE(editor.text(), QStringLiteral("[COLOR=blue][/COLOR]"));
    QTest::keyClick(color, Qt::Key_Up);
    QCOMPARE(editor.text(), QStringLiteral("[COLOR=blue][/COLOR]"));
    QCOMPARE(color->currentIndex(), 0);
}

QTEST_MAIN(TestTagCommands)
#include "tst_tagcommands.moc"
