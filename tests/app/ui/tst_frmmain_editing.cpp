#include "app/dateformat.h"
#include "app/ui/frmmain.h"
#include "app/ui/postedit.h"
#include "foundation/wuxoerror.h"
#include "mainwindowfixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray testInsertFile = "# entries for the tests\r\n"
                                  "Signature|\\n-- \\nme\r\n"
                                  "Year|dt:yyyy\r\n"
                                  "\r\n"
                                  "-\r\n"
                                  "Capital prefix|DT:yyyy\r\n"
                                  "Two bars|value|ignored\r\n";

QString text(const frmMain *w)
{
    return w->post().text();
}

} // namespace

class TestFrmMainEditing : public QObject
{
    Q_OBJECT

private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void typingIsRecordedAndUndoneWithTheMenuKeys()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("ab"));
        QCOMPARE(text(w), QStringLiteral("ab"));
        QVERIFY(w->blnPostChanged());
        QVERIFY(w->mnuFileSaveDraft->isEnabled());

        QSignalSpy undo(w->mnuEditUndo, &QAction::triggered);
        QTest::keyClick(w->txtPost, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(undo.size(), 1);
        QCOMPARE(text(w), QStringLiteral("a"));
        QCOMPARE(w->post().selStart(), 1);
        QTest::keyClick(w->txtPost, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text(w), QString());
        QTest::keyClick(w->txtPost, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text(w), QString());

        QTest::keyClick(w->txtPost, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(w->txtPost, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(text(w), QStringLiteral("ab"));
        QCOMPARE(w->post().selStart(), 2);
        QTest::keyClick(w->txtPost, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(text(w), QStringLiteral("ab"));
    }

    void typingAfterUndoDropsTheUndoneTexts()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("abc"));
        w->mnuEditUndo_Click();
        w->mnuEditUndo_Click();
        QTest::keyClicks(w->txtPost, QStringLiteral("x"));
        QCOMPARE(text(w), QStringLiteral("ax"));
        w->mnuEditRedo_Click();
        QCOMPARE(text(w), QStringLiteral("ax"));
        w->mnuEditUndo_Click();
        QCOMPARE(text(w), QStringLiteral("a"));
        w->mnuEditUndo_Click();
        QCOMPARE(text(w), QString());
    }

    void undoingAPostCountsAsAnEdit()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("ab"));
        w->mnuFileSaveDraft_Click();
        QVERIFY(!w->blnPostChanged());
        QVERIFY(!w->mnuFileSaveDraft->isEnabled());
        w->mnuEditUndo_Click();
        QVERIFY(w->blnPostChanged());
        QVERIFY(w->mnuFileSaveDraft->isEnabled());
    }

    void clearAllIsARecordedChangeThatKeepsTheFlag()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("abc"));
        QTest::keyClick(w->txtPost, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(text(w), QString());
        QVERIFY(w->blnPostChanged());
        w->mnuEditUndo_Click();
        QCOMPARE(text(w), QStringLiteral("abc"));
    }

    void theMenuShortcutsWinOverTheTextBoxes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("item");
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << "mnuEditUndo";
        QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << "mnuEditRedo";
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << "mnuEditCut";
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << "mnuEditCopy";
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << "mnuEditPaste";
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << "mnuEditSelectAll";
        QTest::newRow("Ctrl+D") << int(Qt::Key_D) << "mnuEditClearAll";
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << "mnuFileSaveDraft";
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << "mnuInsertUser(0)";
    }

    void theMenuShortcutsWinOverTheTextBoxes()
    {
        QFETCH(int, key);
        QFETCH(QString, item);
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("abc"));
        auto *action = w->findChild<QAction *>(item);
        QVERIFY(action);
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keyClick(w->txtPost, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(triggered.size(), 1);
    }

    void cutCopyPasteAndSelectAll()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        EditorText post = w->post();
        post.setText(QStringLiteral("one\r\ntwo"));
        post.setSelection(2, 4);
        // Other programs on this desktop end a line with LF alone.
        QTest::keyClick(w->txtPost, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("e\nt"));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(w->txtPost, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(text(w), QStringLiteral("onwo"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("e\nt"));

        QGuiApplication::clipboard()->setText(QStringLiteral("A\nB"));
        QTest::keyClick(w->txtPost, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text(w), QStringLiteral("onA\r\nBwo"));
        QCOMPARE(post.selStart(), 6);

        QTest::keyClick(w->txtPost, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(post.selStart(), 0);
        QCOMPARE(post.selLength(), 8);

        w->mnuEditUndo_Click();
        QCOMPARE(text(w), QStringLiteral("onwo"));
    }

    void pasteTakesEveryLineEnd_data()
    {
        QTest::addColumn<QString>("copied");
        QTest::newRow("LF") << QStringLiteral("A\nB");
        QTest::newRow("CR LF") << QStringLiteral("A\r\nB");
        QTest::newRow("lone CR") << QStringLiteral("A\rB");
    }

    void pasteTakesEveryLineEnd()
    {
        QFETCH(QString, copied);
        FakeClipboard clipboard;
        MainWindowFixture f;
        frmMain *w = f.open();
        clipboard.copy(copied);
        w->mnuEditPaste_Click();
        QCOMPARE(text(w), QStringLiteral("A\r\nB"));
        QCOMPARE(w->post().selStart(), 4);
    }

    void cutAndCopyWithoutASelectionLeaveTheClipboard()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        QTest::keyClicks(w->txtPost, QStringLiteral("abc"));
        w->mnuEditCopy_Click();
        w->mnuEditCut_Click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        QCOMPARE(text(w), QStringLiteral("abc"));
        QGuiApplication::clipboard()->clear();
        w->mnuEditPaste_Click();
        QCOMPARE(text(w), QStringLiteral("abc"));
    }

    void ctrlBackspaceDeletesBackToTheSpace()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("one two"));
        QTest::keyClick(w->txtPost, Qt::Key_Return);
        QTest::keyClicks(w->txtPost, QStringLiteral("three"));
        QTest::keyClick(w->txtPost, Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(text(w), QStringLiteral("one"));
        QCOMPARE(w->post().selStart(), 3);
        QTest::keyClick(w->txtPost, Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(text(w), QString());
        QTest::keyClick(w->txtPost, Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(text(w), QString());
        w->mnuEditUndo_Click();
        QCOMPARE(text(w), QStringLiteral("one"));
    }

    void ctrlCombinationsTypeNoControlCharacter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Ctrl+I italic, no tab") << int(Qt::Key_I) << "a[I][/I]b";
        QTest::newRow("Ctrl+B bold") << int(Qt::Key_B) << "a[B][/B]b";
        QTest::newRow("Ctrl+U underline") << int(Qt::Key_U) << "a[U][/U]b";
        QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << "ab";
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << "ab";
        QTest::newRow("Ctrl+Space") << int(Qt::Key_Space) << "ab";
        QTest::newRow("Ctrl+K") << int(Qt::Key_K) << "ab";
        QTest::newRow("Ctrl+H") << int(Qt::Key_H) << "ab";
    }

    void ctrlCombinationsTypeNoControlCharacter()
    {
        QFETCH(int, key);
        QFETCH(QString, expected);
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("ab"));
        QTest::keyClick(w->txtPost, Qt::Key_Left);
        QTest::keyClick(w->txtPost, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(text(w), expected);
        QVERIFY(!w->txtPost->blnCtrlDown());
    }

    void ctrlMovesTheCaretStill()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("one two"));
        QTest::keyClick(w->txtPost, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(w->post().selStart(), 0);
        QTest::keyClick(w->txtPost, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(w->post().selStart(), 7);
    }

    void altGrCharactersType()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        // AltGr arrives as Ctrl+Alt on some desktops.
        QTest::keyClick(w->txtPost, '@', Qt::ControlModifier | Qt::AltModifier);
        QTest::keyClick(w->txtPost, '{', Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(text(w), QStringLiteral("@{"));
    }

    void theEditMenuIsTheEditorsContextMenu()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        int shown = 0;
        QWidget *popup = nullptr;
        connect(w->mnuEdit, &QMenu::aboutToShow, w, [&] {
            ++shown;
            QTimer::singleShot(0, w, [&] {
                popup = QApplication::activePopupWidget();
                if (popup)
                    popup->close();
            });
        });

        QTest::mouseClick(w->txtPost->viewport(), Qt::RightButton, {}, QPoint(20, 20));
        QTRY_COMPARE(shown, 1);
        QCOMPARE(popup, w->mnuEdit);
        QTest::qWait(50);
        QCOMPARE(shown, 1);

        QTest::keyClick(w->txtPost, Qt::Key_Menu);
        QCOMPARE(shown, 2);
        QTest::keyClick(w->txtPost, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(shown, 3);
        QCOMPARE(popup, w->mnuEdit);
        QTest::qWait(50);
        QCOMPARE(shown, 3);
        QVERIFY(!QApplication::activePopupWidget());
    }

    void aVeryLongLineWrapsAnywhere()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        const QTextOption::WrapMode normal = w->txtPost->wordWrapMode();
        w->post().replaceSelection(QString(PostEdit::longLine + 100, u'w'));
        QCOMPARE(w->txtPost->wordWrapMode(), QTextOption::WrapAnywhere);
        QTest::keyClick(w->txtPost, Qt::Key_Return);
        QTest::keyClicks(w->txtPost, QStringLiteral("short"));
        QCOMPARE(w->txtPost->wordWrapMode(), QTextOption::WrapAnywhere);
        w->mnuEditClearAll_Click();
        QCOMPARE(w->txtPost->wordWrapMode(), normal);
        QVERIFY(normal != QTextOption::WrapAnywhere);
    }

    void insertEntriesGoInAtTheCaret()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("insert.txt"), testInsertFile);
        frmMain *w = f.open();
        QCOMPARE(w->mnuInsertUser.size(), 5);
        QCOMPARE(w->mnuInsertUser[0]->text(), QStringLiteral("Signature"));
        QVERIFY(w->mnuInsertUser[2]->isSeparator());
        QCOMPARE(w->insertEntryValue(4), QStringLiteral("value"));
        QCOMPARE(w->mnuInsertUser[4]->text(), QStringLiteral("Two bars"));

        QTest::keyClicks(w->txtPost, QStringLiteral("ab"));
        QTest::keyClick(w->txtPost, Qt::Key_Left);
        QTest::keyClick(w->txtPost, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(text(w), QStringLiteral("a\r\n-- \r\nmeb"));
        QCOMPARE(w->post().selStart(), 10);

        w->mnuInsertUser[3]->trigger();
        QCOMPARE(text(w), QStringLiteral("a\r\n-- \r\nmeDT:yyyyb"));
        w->mnuInsertUser[1]->trigger();
        const QString year
            = DateFormat::format(QStringLiteral("yyyy"), QDateTime::currentDateTime());
        QCOMPARE(text(w), QStringLiteral("a\r\n-- \r\nmeDT:yyyy") + year + u'b');

        w->mnuEditUndo_Click();
        QCOMPARE(text(w), QStringLiteral("a\r\n-- \r\nmeDT:yyyyb"));
    }

    void anInsertEntryReplacesTheSelection()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("insert.txt"), testInsertFile);
        frmMain *w = f.open();
        EditorText post = w->post();
        post.setText(QStringLiteral("one two three"));
        post.setSelection(4, 3);
        w->mnuInsertUser[4]->trigger();
        QCOMPARE(text(w), QStringLiteral("one value three"));
        QCOMPARE(post.selStart(), 9);
    }

    void webEntriesOpenThroughTheShell()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        w->mnuWebURL[1]->trigger();
        QCOMPARE(f.shell.requests.size(), 1);
        QCOMPARE(f.shell.requests[0].target, QStringLiteral("https://forum.example.org"));
        QCOMPARE(f.shell.requests[0].verb, QString());
        try {
            w->webEntryValue(int(w->mnuWebURL.size()));
            QFAIL("an entry past the end had a value");
        } catch (const WuxoError &error) {
            QCOMPARE(error.number(), 9);
        }
    }

    void saveDraftWritesThePost()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("Hi"));
        QTest::keyClick(w->txtPost, Qt::Key_Return);
        QTest::keyClick(w->txtPost, Qt::Key_Return);
        QTest::keyClick(w->txtPost, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.folder.read(QStringLiteral("draft.txt")), QByteArray("Hi\r\n\r\n\r\n"));
        QVERIFY(!w->blnPostChanged());
        QVERIFY(!w->mnuFileSaveDraft->isEnabled());
        QVERIFY(w->mnuFileLoadDraft->isEnabled());
    }

    void saveDraftWithAnEmptyPostDoesNothing()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("x"));
        w->mnuEditClearAll_Click();
        QVERIFY(w->mnuFileSaveDraft->isEnabled());
        w->mnuFileSaveDraft_Click();
        QVERIFY(!f.folder.exists(QStringLiteral("draft.txt")));
        QVERIFY(w->mnuFileSaveDraft->isEnabled());
    }

    void aDraftThatCannotBeSavedIsReported()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("precious"));
        QDir().mkdir(f.folder.path(QStringLiteral("draft.txt"))); // a folder in the draft's place
        f.prompts.queueAnswer(MessageAnswer::Ok);
        QVERIFY(!w->mnuFileSaveDraft_Click());
        QCOMPARE(f.prompts.records.size(), 1);
        QVERIFY(f.prompts.records[0].title.endsWith(QStringLiteral(" in Main.SaveDraft")));
        QCOMPARE(f.prompts.records[0].icon, MessageIcon::Critical);
        QVERIFY(w->blnPostChanged());
        QVERIFY(w->mnuFileSaveDraft->isEnabled());
        QCOMPARE(text(w), QStringLiteral("precious"));
    }

    void openDraftBringsTheLinesBackOneChangeEach()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("draft.txt"), "\r\n\r\nfirst\r\nsecond\r\n\r\nthird\r\n");
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("old"));
        QTest::keyClick(w->txtPost, Qt::Key_O, Qt::ControlModifier);

        QCOMPARE(text(w), QStringLiteral("first\r\nsecond\r\n\r\nthird"));
        QCOMPARE(w->post().selStart(), 22);
        QVERIFY(!w->blnPostChanged());
        QVERIFY(!w->mnuFileSaveDraft->isEnabled());

        const QStringList expected{
            "first\r\nsecond\r\n", "first\r\nsecond", "first", "", "old", "ol"};
        for (const QString &older : expected) {
            w->mnuEditUndo_Click();
            QCOMPARE(text(w), older);
            QCOMPARE(w->post().selStart(), w->post().length());
        }
        w->mnuEditRedo_Click();
        QCOMPARE(text(w), QStringLiteral("old"));
    }

    void openDraftWithoutADraft()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("mine"));
        f.prompts.queueAnswer(MessageAnswer::Ok);
        w->mnuFileLoadDraft_Click();
        QCOMPARE(f.prompts.records.size(), 1);
        QCOMPARE(f.prompts.records[0].text, QStringLiteral("No saved draft found."));
        QCOMPARE(f.prompts.records[0].title, QStringLiteral("Load Error"));
        QCOMPARE(f.prompts.records[0].icon, MessageIcon::Exclamation);
        QCOMPARE(text(w), QStringLiteral("mine"));
    }

    void aDraftThatCannotBeReadLeavesThePost()
    {
        MainWindowFixture f;
        QDir().mkdir(f.folder.path(QStringLiteral("draft.txt")));
        frmMain *w = f.open();
        QTest::keyClicks(w->txtPost, QStringLiteral("mine"));
        f.prompts.queueAnswer(MessageAnswer::Ok);
        w->mnuFileLoadDraft_Click();
        QCOMPARE(f.prompts.records.size(), 1);
        QVERIFY(f.prompts.records[0].title.endsWith(QStringLiteral(" in Main.LoadDraft")));
        QCOMPARE(text(w), QStringLiteral("mine"));
        QVERIFY(w->blnPostChanged());
    }

    void aLargeDraftOpens()
    {
        MainWindowFixture f;
        const QByteArray line(48, 'x');
        QByteArray draft;
        for (int i = 0; i < 100000; ++i)
            draft += line + "\r\n";
        f.folder.write(QStringLiteral("draft.txt"), draft);
        frmMain *w = f.open();
        w->mnuFileLoadDraft_Click();
        QCOMPARE(w->post().length(), draft.size() - 2);
        w->mnuEditUndo_Click();
        QCOMPARE(w->post().length(), draft.size() - 52);
        QCOMPARE(w->history().intHistoryPos(), qint16(98));
    }
};

QTEST_MAIN(TestFrmMainEditing)
#include "tst_frmmain_editing.moc"
