#include "widgets/editortext.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

class TestEditorText : public QObject
{
    Q_OBJECT

private slots:
    void textHasCrLfBreaks()
    {
        QPlainTextEdit editor;
        editor.setPlainText(QStringLiteral("one\ntwo\n\nthree"));
        const EditorText post(&editor);
        QCOMPARE(post.text(), QStringLiteral("one\r\ntwo\r\n\r\nthree"));
        QCOMPARE(post.length(), 17);
        QVERIFY(!post.isEmpty());
    }

    void anEmptyEditor()
    {
        QPlainTextEdit editor;
        const EditorText post(&editor);
        QCOMPARE(post.text(), QString());
        QCOMPARE(post.length(), 0);
        QVERIFY(post.isEmpty());
        QCOMPARE(post.selStart(), 0);
    }

    void setText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("back");
        QTest::newRow("CR LF breaks") << "a\r\nb"
                                      << "a\r\nb";
        QTest::newRow("a lone LF becomes a break") << "a\nb"
                                                   << "a\r\nb";
        QTest::newRow("a lone CR becomes a break") << "a\rb"
                                                   << "a\r\nb";
        QTest::newRow("a trailing break") << "a\r\n"
                                          << "a\r\n";
        QTest::newRow("only breaks") << "\r\n\r\n"
                                     << "\r\n\r\n";
    }

    void setText()
    {
        QFETCH(QString, text);
        QFETCH(QString, back);
        QPlainTextEdit editor;
        EditorText post(&editor);
        post.setText(text);
        QCOMPARE(post.text(), back);
        QCOMPARE(post.length(), back.size());
    }

    void setTextIsOneChangeAndTheSameTextNone()
    {
        QPlainTextEdit editor;
        editor.setPlainText(QStringLiteral("old text"));
        EditorText post(&editor);
        QSignalSpy changes(&editor, &QPlainTextEdit::textChanged);
        post.setText(QStringLiteral("new\r\ntext\r\nhere"));
        QCOMPARE(changes.size(), 1);
        post.setText(QStringLiteral("new\r\ntext\r\nhere"));
        QCOMPARE(changes.size(), 1);
        post.setText(QString());
        QCOMPARE(changes.size(), 2);
    }

    void setTextOverAnotherText_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("a break run shortened in the middle") << "a\r\n\r\n\r\n\r\nb"
                                                             << "a\r\n\r\nb";
        QTest::newRow("text added at the end") << "one\r\ntwo"
                                               << "one\r\ntwo\r\nthree";
        QTest::newRow("text added at the start") << "two"
                                                 << "one two";
        QTest::newRow("repeated letters") << "aaaa"
                                          << "aa";
        QTest::newRow("everything different") << "abc"
                                              << "xyz";
        QTest::newRow("to empty") << "abc\r\n"
                                  << "";
        QTest::newRow("from empty") << ""
                                    << "abc\r\n";
        QTest::newRow("two-unit characters kept whole")
            << QString::fromUtf8("x\xf0\x9f\x98\x80y") << QString::fromUtf8("x\xf0\x9f\x98\x81y");
    }

    void setTextOverAnotherText()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QPlainTextEdit editor;
        EditorText post(&editor);
        post.setText(before);
        QSignalSpy changes(&editor, &QPlainTextEdit::textChanged);
        post.setText(after);
        QCOMPARE(post.text(), after);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(editor.document()->blockCount(), int(after.count(QStringLiteral("\r\n"))) + 1);
    }

    void positionsCountABreakAsTwo_data()
    {
        QTest::addColumn<int>("editorPosition");
        QTest::addColumn<int>("modelPosition");
        // "ab\ncd\n\nef": model "ab\r\ncd\r\n\r\nef"
        QTest::newRow("start") << 0 << 0;
        QTest::newRow("before the first break") << 2 << 2;
        QTest::newRow("start of the second line") << 3 << 4;
        QTest::newRow("end of the second line") << 5 << 6;
        QTest::newRow("the empty line") << 6 << 8;
        QTest::newRow("start of the last line") << 7 << 10;
        QTest::newRow("end") << 9 << 12;
    }

    void positionsCountABreakAsTwo()
    {
        QFETCH(int, editorPosition);
        QFETCH(int, modelPosition);
        QTextDocument document(QStringLiteral("ab\ncd\n\nef"));
        QCOMPARE(EditorText::toModel(&document, editorPosition), modelPosition);
        QCOMPARE(EditorText::toEditor(&document, modelPosition), editorPosition);
    }

    void aPositionInsideABreakMapsToTheBreak()
    {
        QTextDocument document(QStringLiteral("ab\ncd"));
        QCOMPARE(EditorText::toEditor(&document, 3), 2);
        QCOMPARE(EditorText::toEditor(&document, 99), 5);
        QCOMPARE(EditorText::toEditor(&document, -4), 0);
    }

    void selectionAcrossBreaks()
    {
        QPlainTextEdit editor;
        EditorText post(&editor);
        post.setText(QStringLiteral("one\r\ntwo\r\nthree"));
        post.setSelection(2, 9);
        QCOMPARE(post.selStart(), 2);
        QCOMPARE(post.selLength(), 9);
        QCOMPARE(post.selectedText(), QStringLiteral("e\r\ntwo\r\nt"));
    }

    void setSelectionClampsToTheText()
    {
        QPlainTextEdit editor;
        EditorText post(&editor);
        post.setText(QStringLiteral("abc"));
        post.setSelection(2, 50);
        QCOMPARE(post.selStart(), 2);
        QCOMPARE(post.selLength(), 1);
        post.setSelStart(-5);
        QCOMPARE(post.selStart(), 0);
        QCOMPARE(post.selLength(), 0);
    }

    void replaceSelectionLeavesTheCaretAfterTheNewText_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");

        QTest::newRow("at the caret") << 3 << 0 << "X"
                                      << "abcX\r\ndef" << 4;
        QTest::newRow("over a selection") << 1 << 2 << "X"
                                          << "aX\r\ndef" << 2;
        QTest::newRow("a selection across the break") << 2 << 4 << ""
                                                      << "abef" << 2;
        QTest::newRow("text with breaks") << 5 << 0 << "1\r\n2\r\n"
                                          << "abc\r\n1\r\n2\r\ndef" << 11;
        QTest::newRow("text ending in a break") << 8 << 0 << "\r\n"
                                                << "abc\r\ndef\r\n"
                                                << 10;
    }

    void replaceSelectionLeavesTheCaretAfterTheNewText()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, insert);
        QFETCH(QString, text);
        QFETCH(int, caret);

        QPlainTextEdit editor;
        EditorText post(&editor);
        post.setText(QStringLiteral("abc\r\ndef"));
        post.setSelection(start, length);
        QSignalSpy changes(&editor, &QPlainTextEdit::textChanged);
        post.replaceSelection(insert);
        QCOMPARE(post.text(), text);
        QCOMPARE(post.selStart(), caret);
        QCOMPARE(post.selLength(), 0);
        QCOMPARE(changes.size(), 1);
    }

    void aLongPostMapsBothWays()
    {
        QStringList lines;
        for (int i = 0; i < 2000; ++i)
            lines.append(QStringLiteral("line %1").arg(i));
        QPlainTextEdit editor;
        EditorText post(&editor);
        const QString text = lines.join(QStringLiteral("\r\n"));
        post.setText(text);
        const int at = int(text.indexOf(QStringLiteral("line 1234")));
        post.setSelection(at, 9);
        QCOMPARE(post.selectedText(), QStringLiteral("line 1234"));
        QCOMPARE(post.selStart(), at);
    }
};

QTEST_MAIN(TestEditorText)
#include "tst_editortext.moc"
