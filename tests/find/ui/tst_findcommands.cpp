#include "app/ui/frmmain.h"
#include "decorations/ui/editordecorations.h"
#include "mainwindowfixture.h"
#include "preview/ui/previewbrowser.h"
#include "spokenname.h"
#include "widgets/postedit.h"
#include "widgets/skinwidgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

QWidget *bar(const frmMain *w)
{
    return control(w, "FindBar");
}

QLineEdit *findField(const frmMain *w)
{
    return control<QLineEdit>(w, "txtFind");
}

QString status(const frmMain *w)
{
    return control<QLabel>(w, "lblFindStatus")->text();
}

// The post's selection as "start+length".
QString selection(const frmMain *w)
{
    return QStringLiteral("%1+%2").arg(w->post().selStart()).arg(w->post().selLength());
}

void typeFind(const frmMain *w, const QString &text)
{
    findField(w)->selectAll();
    QTest::keyClicks(findField(w), text);
}

// The marked stretches of the editor's lines as "line:start+length", with a *
// on those marked in the current match's colour.
QString marks(const frmMain *w)
{
    const auto *decorations = txtPost(w)->findChild<EditorDecorations *>();
    QStringList found;
    for (QTextBlock block = txtPost(w)->document()->begin(); block.isValid();
         block = block.next()) {
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (!range.format.hasProperty(QTextFormat::BackgroundBrush))
                continue;
            const QColor colour = range.format.background().color();
            if (colour == decorations->colours().scope)
                continue;
            found.append(
                QStringLiteral("%1:%2+%3%4")
                    .arg(block.blockNumber())
                    .arg(range.start)
                    .arg(range.length)
                    .arg(colour == decorations->colours().currentMatch ? u"*"_qs : QString()));
        }
    }
    return found.join(u' ');
}

bool marksSettled(const frmMain *w)
{
    return txtPost(w)->findChild<EditorDecorations *>()->isIdle();
}

} // namespace

class TestFindCommands : public QObject
{
    Q_OBJECT

private slots:
    void theBarOpensAtTheFootOfTheEditorAndClosesWithEscape()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        w->post().setText(u"one two one\r\ntwo"_qs);
        w->post().setSelStart(5);
        const QRect editor = txtPost(w)->geometry();
        const QRect copy = control(w, "cmdCopy")->geometry();
        QVERIFY(bar(w)->isHidden());

        QTest::keyClick(txtPost(w), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(!bar(w)->isHidden());
        // The word at the caret is the first search.
        QCOMPARE(findField(w)->text(), u"two"_qs);
        QVERIFY(findField(w)->hasFocus());
        QCOMPARE(status(w), u"1 of 2"_qs);
        QCOMPARE(selection(w), u"4+3"_qs);
        // Inside the editor's place: the editor gives up its foot, nothing else moves.
        const QRect shown = bar(w)->geometry().translated(-control(w, "picContainer")->pos());
        QCOMPARE(shown.bottom(), editor.bottom());
        QCOMPARE(shown.left(), editor.left());
        QCOMPARE(shown.width(), editor.width());
        QCOMPARE(txtPost(w)->geometry(), editor.adjusted(0, 0, 0, -shown.height()));
        QCOMPARE(control(w, "cmdCopy")->geometry(), copy);
        // Find only: the replace row shows with Ctrl+H.
        QVERIFY(control(w, "txtReplace")->isHidden());
        QVERIFY(control(w, "cmdReplaceAll")->isHidden());

        QTest::keyClick(findField(w), Qt::Key_Escape);
        QVERIFY(bar(w)->isHidden());
        QVERIFY(txtPost(w)->hasFocus());
        QCOMPARE(selection(w), u"4+3"_qs);
        QCOMPARE(txtPost(w)->geometry(), editor);
    }

    void theControlsAreNamedAsTheyRead()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        action(w, "mnuEditReplace")->trigger();
        const QList<QPair<const char *, QString>> names{
            {"txtFind", u"Find"_qs},
            {"txtReplace", u"Replace with"_qs},
            {"chkMatchCase", u"Match case"_qs},
            {"chkWholeWords", u"Whole words"_qs},
            {"chkRegularExpression", u"Regular expression"_qs},
            {"chkInSelection", u"In selection"_qs},
            {"cmdFindNext", u"Find Next"_qs},
            {"cmdFindPrevious", u"Find Previous"_qs},
            {"cmdReplace", u"Replace"_qs},
            {"cmdReplaceAll", u"Replace All"_qs},
        };
        for (const auto &[name, spoken] : names) {
            QVERIFY2(!control(w, name)->isHidden(), name);
            QCOMPARE(spokenName(control(w, name)), spoken);
        }
    }

    void stepsThroughTheMatchesAndWraps()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        w->post().setText(u"one two\r\none two one"_qs);
        w->post().setSelection(0, 3);
        action(w, "mnuEditFind")->trigger();
        QCOMPARE(findField(w)->text(), u"one"_qs);
        QCOMPARE(status(w), u"1 of 3"_qs);

        QTest::keyClick(findField(w), Qt::Key_F3);
        QCOMPARE(selection(w), u"9+3"_qs);
        QCOMPARE(status(w), u"2 of 3"_qs);
        QTest::keyClick(findField(w), Qt::Key_Return);
        QCOMPARE(selection(w), u"17+3"_qs);
        QCOMPARE(status(w), u"3 of 3"_qs);
        QTest::keyClick(findField(w), Qt::Key_Return);
        QCOMPARE(selection(w), u"0+3"_qs);
        QCOMPARE(status(w), u"Search wrapped"_qs);
        QTest::keyClick(findField(w), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(selection(w), u"17+3"_qs);
        QCOMPARE(status(w), u"Search wrapped"_qs);
        QTest::keyClick(findField(w), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(selection(w), u"9+3"_qs);
        QCOMPARE(status(w), u"2 of 3"_qs);

        typeFind(w, u"zzz"_qs);
        QCOMPARE(status(w), u"No matches"_qs);
        QCOMPARE(selection(w), u"9+3"_qs);
        // A broken pattern is said in the status; no box comes up.
        control<QCheckBox>(w, "chkRegularExpression")->click();
        typeFind(w, u"tw(o"_qs);
        QCOMPARE(status(w),
                 u"The pattern is not valid at character 5: missing closing parenthesis"_qs);
        const QString shown = selection(w);
        QTest::keyClick(findField(w), Qt::Key_Return);
        QCOMPARE(selection(w), shown);
    }

    void replaceAllIsOneChange()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        const QString post = u"[COLOR=red]a[/COLOR]\r\n[color=red]b[/color] red"_qs;
        w->post().setText(post);
        w->setBlnPostChanged(false);
        const qint16 before = w->history().intHistoryPos();
        const QString older = w->history().strHistory(before - 1);

        action(w, "mnuEditReplace")->trigger();
        control<QCheckBox>(w, "chkRegularExpression")->click();
        typeFind(w, u"(\\[color=)red\\]"_qs);
        QTest::keyClicks(control<QLineEdit>(w, "txtReplace"), u"\\1crimson]"_qs);
        w->post().setSelStart(12); // after the "a"
        control<QPushButton>(w, "cmdReplaceAll")->click();

        QCOMPARE(w->post().text(), u"[COLOR=crimson]a[/COLOR]\r\n[color=crimson]b[/color] red"_qs);
        QCOMPARE(status(w), u"2 replacements"_qs);
        // The caret stays after the "a".
        QCOMPARE(selection(w), u"16+0"_qs);
        QVERIFY(w->blnPostChanged());
        QVERIFY(action(w, "mnuFileSaveDraft")->isEnabled());
        // One snapshot: one Undo brings the whole post back.
        QCOMPARE(w->history().strHistory(EditHistory::newestSlot - 1), post);
        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(w->post().text(), post);
        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(w->post().text(), older);
    }

    void replaceTakesTheMatchShownAndMovesOn()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        w->post().setText(u"[Url]x[/Url] [Url]y[/Url]"_qs);
        w->post().setSelStart(0);
        action(w, "mnuEditReplace")->trigger();
        control<QCheckBox>(w, "chkMatchCase")->click();
        typeFind(w, u"Url"_qs);
        QCOMPARE(selection(w), u"1+3"_qs);
        QTest::keyClicks(control<QLineEdit>(w, "txtReplace"), u"URL"_qs);

        QTest::keyClick(control<QLineEdit>(w, "txtReplace"), Qt::Key_Return);
        QCOMPARE(w->post().text(), u"[URL]x[/Url] [Url]y[/Url]"_qs);
        QCOMPARE(selection(w), u"8+3"_qs);
        QCOMPARE(status(w), u"1 of 3"_qs);
        // A selection that is no match is not replaced: Replace finds one first.
        w->post().setSelection(0, 1);
        control<QPushButton>(w, "cmdReplace")->click();
        QCOMPARE(w->post().text(), u"[URL]x[/Url] [Url]y[/Url]"_qs);
        QCOMPARE(selection(w), u"8+3"_qs);
    }

    void inSelectionKeepsToTheLinesSelected()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        w->post().setText(u"a\r\na a\r\na\r\na"_qs);
        w->post().setSelection(3, 8); // the second and third lines
        action(w, "mnuEditReplace")->trigger();
        QVERIFY(control<QCheckBox>(w, "chkInSelection")->isChecked());
        typeFind(w, u"a"_qs);
        QCOMPARE(status(w), u"1 of 3"_qs);
        QCOMPARE(selection(w), u"3+1"_qs);
        QTest::keyClicks(control<QLineEdit>(w, "txtReplace"), u"bb"_qs);
        // Replacing one match moves the end of the selection searched.
        control<QPushButton>(w, "cmdReplace")->click();
        QCOMPARE(w->post().text(), u"a\r\nbb a\r\na\r\na"_qs);
        control<QPushButton>(w, "cmdReplaceAll")->click();
        QCOMPARE(w->post().text(), u"a\r\nbb bb\r\nbb\r\na"_qs);
        QCOMPARE(status(w), u"2 replacements"_qs);
    }

    void everyMatchIsMarkedWhileTheBarIsOpen()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        w->post().setText(u"cat\r\nthe cat and a cat"_qs);
        w->post().setSelStart(0);
        action(w, "mnuEditFind")->trigger();
        QTRY_VERIFY(marksSettled(w));
        QCOMPARE(marks(w), u"0:0+3* 1:4+3 1:14+3"_qs);

        // The marks follow edits: a new match is marked once the search catches up.
        txtPost(w)->setFocus();
        w->post().setSelStart(w->post().length());
        QTest::keyClicks(txtPost(w), u" cat"_qs);
        QTRY_COMPARE(marks(w), u"0:0+3* 1:4+3 1:14+3 1:18+3"_qs);

        w->post().setSelection(0, 3);
        action(w, "mnuEditFindNext")->trigger();
        QTRY_COMPARE(marks(w), u"0:0+3 1:4+3* 1:14+3 1:18+3"_qs);
        QCOMPARE(status(w), u"2 of 4"_qs);

        findField(w)->setFocus();
        QTest::keyClick(findField(w), Qt::Key_Escape);
        QTRY_VERIFY(marksSettled(w));
        QCOMPARE(marks(w), QString());
    }

    void findsInThePreviewPage()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("preview.txt"), "<html><body>[post]</body></html>");
        frmMain *w = f.open();
        w->post().setText(u"[b]Gold[/b] and gold, [i]GOLD[/i]"_qs);
        QSignalSpy loaded(w->previewBrowser(), &PreviewBrowser::loadFinished);
        control<SkinButton>(w, "cmdPreview")->click();
        QVERIFY(loaded.wait(30000));

        action(w, "mnuEditReplace")->trigger();
        QVERIFY(!bar(w)->isHidden());
        // The page offers no replacing and no patterns.
        QVERIFY(control(w, "txtReplace")->isHidden());
        QVERIFY(control(w, "cmdReplaceAll")->isHidden());
        QVERIFY(control(w, "chkRegularExpression")->isHidden());
        QVERIFY(bar(w)->geometry().top() > control(w, "WebBrowser")->geometry().bottom());
        typeFind(w, u"gold"_qs);
        QTRY_COMPARE(status(w), u"1 of 3"_qs);
        QTest::keyClick(findField(w), Qt::Key_Return);
        QTRY_COMPARE(status(w), u"2 of 3"_qs);
        control<QCheckBox>(w, "chkMatchCase")->click();
        QTRY_COMPARE(status(w), u"1 of 1"_qs);
        typeFind(w, u"silver"_qs);
        QTRY_COMPARE(status(w), u"No matches"_qs);
        QCOMPARE(w->post().text(), u"[b]Gold[/b] and gold, [i]GOLD[/i]"_qs);
    }
};

QTEST_MAIN(TestFindCommands)
#include "tst_findcommands.moc"
