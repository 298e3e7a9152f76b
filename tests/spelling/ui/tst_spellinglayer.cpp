#include "decorations/ui/editordecorations.h"
#include "fakespeller.h"
#include "spelling/spellchecker.h"
#include "spelling/spellinglayer.h"
#include "widgets/editortext.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// "line:word" for every stretch of the editor under the spell-check underline.
QStringList underlined(const QPlainTextEdit &editor)
{
    QStringList found;
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                found.append(QStringLiteral("%1:%2")
                                 .arg(block.blockNumber())
                                 .arg(block.text().mid(range.start, range.length)));
        }
    }
    return found;
}

// An editor with the spelling layer on, over a dictionary of a few words.
struct Checked
{
    Checked()
    {
        checker.setSpeller(std::make_unique<FakeSpeller>(
            QStringList{"a", "word", "in", "the", "post", "int", "main", "is", "right"}));
        decorations = new EditorDecorations(&editor);
        layer = new SpellingLayer(&checker);
        decorations->addLayer(layer);
        layer->setActive(true);
        editor.resize(400, 300);
        editor.show();
    }

    void setText(const QString &text) { EditorText(&editor).setText(text); }
    bool idle() const { return decorations->isIdle(); }

    SpellChecker checker;
    QPlainTextEdit editor;
    EditorDecorations *decorations = nullptr;
    SpellingLayer *layer = nullptr;
};

} // namespace

class TestSpellingLayer : public QObject
{
    Q_OBJECT

private slots:
    void aWordIsUnderlinedAsItIsTypedAndFreedWhenCorrected()
    {
        Checked c;
        QTRY_VERIFY(c.idle());
        QTest::keyClicks(&c.editor, QStringLiteral("a wrod"));
        // No waiting: the edited line is decorated within the keystroke.
        QCOMPARE(underlined(c.editor), QStringList{"0:wrod"});
        QTest::keyClick(&c.editor, Qt::Key_Backspace);
        QTest::keyClick(&c.editor, Qt::Key_Backspace);
        QTest::keyClick(&c.editor, Qt::Key_Backspace);
        QTest::keyClicks(&c.editor, QStringLiteral("ord"));
        QCOMPARE(underlined(c.editor), QStringList());
    }

    void aCodeBlockFreesTheLinesItHolds()
    {
        Checked c;
        c.setText(QStringLiteral("a wrd\r\n[CODE]\r\nint mian;\r\nfoo\r\n[/CODE]\r\nthe pst"));
        QTRY_VERIFY(c.idle());
        QCOMPARE(underlined(c.editor), (QStringList{"0:wrd", "5:pst"}));

        // Removing the closing tag leaves the block open to the end.
        QTextCursor cursor(c.editor.document()->findBlockByNumber(4));
        cursor.select(QTextCursor::LineUnderCursor);
        cursor.removeSelectedText();
        QTRY_VERIFY(c.idle());
        QCOMPARE(underlined(c.editor), QStringList{"0:wrd"});

        // Closing it again on a later line, by typing, brings the words after it back.
        c.editor.moveCursor(QTextCursor::End);
        QTest::keyClicks(&c.editor, QStringLiteral(" [/CODE] eror"));
        QTRY_VERIFY(c.idle());
        QCOMPARE(underlined(c.editor), (QStringList{"0:wrd", "5:eror"}));

        // Opening a block above everything frees all that follows.
        c.editor.moveCursor(QTextCursor::Start);
        QTest::keyClicks(&c.editor, QStringLiteral("[code]"));
        QTRY_VERIFY(c.idle());
        QCOMPARE(underlined(c.editor), QStringList{"5:eror"});
    }

    void editsThatKeepTheBlocksCheckNothingMore()
    {
        Checked c;
        c.setText(QStringLiteral("[CODE] x\r\nzz\r\n[/CODE]\r\nqq"));
        QTRY_VERIFY(c.idle());
        QCOMPARE(underlined(c.editor), QStringList{"3:qq"});
        c.editor.moveCursor(QTextCursor::Start);
        c.editor.moveCursor(QTextCursor::EndOfLine);
        QTest::keyClick(&c.editor, Qt::Key_Y);
        QVERIFY(c.idle());
    }

    void switchedOffNothingIsUnderlined()
    {
        Checked c;
        c.setText(QStringLiteral("teh post\r\nis rihgt"));
        QTRY_VERIFY(c.idle());
        QCOMPARE(underlined(c.editor), (QStringList{"0:teh", "1:rihgt"}));
        c.layer->setActive(false);
        QTRY_VERIFY(c.idle());
        QCOMPARE(underlined(c.editor), QStringList());
        QTest::keyClicks(&c.editor, QStringLiteral(" mroe"));
        QCOMPARE(underlined(c.editor), QStringList());
        c.layer->setActive(true);
        QTRY_VERIFY(c.idle());
        QCOMPARE(underlined(c.editor), (QStringList{"0:teh", "1:rihgt", "1:mroe"}));
    }

    void anIgnoredWordLosesItsUnderlineEverywhere()
    {
        Checked c;
        c.setText(QStringLiteral("Wuxo post\r\nthe Wuxo\r\nteh"));
        QTRY_VERIFY(c.idle());
        c.checker.ignore(QStringLiteral("Wuxo"));
        QTRY_VERIFY(c.idle());
        QCOMPARE(underlined(c.editor), QStringList{"2:teh"});
    }

    void aNewPostOfManyLinesIsCheckedWhole()
    {
        Checked c;
        QString post;
        for (int i = 0; i < 3000; ++i)
            post += i % 1000 == 999 ? QStringLiteral("a wrod\r\n") : QStringLiteral("a word\r\n");
        post += QStringLiteral("[code]\r\nwrod\r\n[/code]");
        c.setText(post);
        QTRY_VERIFY(c.idle());
        QCOMPARE(underlined(c.editor), (QStringList{"999:wrod", "1999:wrod", "2999:wrod"}));
    }
};

QTEST_MAIN(TestSpellingLayer)
#include "tst_spellinglayer.moc"
