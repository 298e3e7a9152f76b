#include "app/dateformat.h"
#include "app/ui/frmmain.h"
#include "mainwindowfixture.h"
#include "thrownerror.h"
#include "widgets/postedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
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
        QTest::keyClicks(txtPost(w), QStringLiteral("ab"));
        QCOMPARE(postText(w), QStringLiteral("ab"));
        QVERIFY(w->blnPostChanged());
        QVERIFY(action(w, "mnuFileSaveDraft")->isEnabled());

        QSignalSpy undo(action(w, "mnuEditUndo"), &QAction::triggered);
        QTest::keyClick(txtPost(w), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(undo.size(), 1);
        QCOMPARE(postText(w), QStringLiteral("a"));
        QCOMPARE(w->post().selStart(), 1);
        QTest::keyClick(txtPost(w), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(postText(w), QString());
        QTest::keyClick(txtPost(w), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(postText(w), QString());

        QTest::keyClick(txtPost(w), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(txtPost(w), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(postText(w), QStringLiteral("ab"));
        QCOMPARE(w->post().selStart(), 2);
        QTest::keyClick(txtPost(w), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(postText(w), QStringLiteral("ab"));
    }

    void typingAfterUndoDropsTheUndoneTexts()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("abc"));
        action(w, "mnuEditUndo")->trigger();
        action(w, "mnuEditUndo")->trigger();
        QTest::keyClicks(txtPost(w), QStringLiteral("x"));
        QCOMPARE(postText(w), QStringLiteral("ax"));
        action(w, "mnuEditRedo")->trigger();
        QCOMPARE(postText(w), QStringLiteral("ax"));
        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(postText(w), QStringLiteral("a"));
        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(postText(w), QString());
    }

    void undoingAPostCountsAsAnEdit()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("ab"));
        action(w, "mnuFileSaveDraft")->trigger();
        QVERIFY(!w->blnPostChanged());
        QVERIFY(!action(w, "mnuFileSaveDraft")->isEnabled());
        action(w, "mnuEditUndo")->trigger();
        QVERIFY(w->blnPostChanged());
        QVERIFY(action(w, "mnuFileSaveDraft")->isEnabled());
    }

    void clearAllIsARecordedChangeThatKeepsTheFlag()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("abc"));
        QTest::keyClick(txtPost(w), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(postText(w), QString());
        QVERIFY(w->blnPostChanged());
        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(postText(w), QStringLiteral("abc"));
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
        QTest::keyClicks(txtPost(w), QStringLiteral("abc"));
        auto *action = w->findChild<QAction *>(item);
        QVERIFY(action);
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keyClick(txtPost(w), Qt::Key(key), Qt::ControlModifier);
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
        QTest::keyClick(txtPost(w), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("e\nt"));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(txtPost(w), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(postText(w), QStringLiteral("onwo"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("e\nt"));

        QGuiApplication::clipboard()->setText(QStringLiteral("A\nB"));
        QTest::keyClick(txtPost(w), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(postText(w), QStringLiteral("onA\r\nBwo"));
        QCOMPARE(post.selStart(), 6);

        QTest::keyClick(txtPost(w), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(post.selStart(), 0);
        QCOMPARE(post.selLength(), 8);

        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(postText(w), QStringLiteral("onwo"));
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
        action(w, "mnuEditPaste")->trigger();
        QCOMPARE(postText(w), QStringLiteral("A\r\nB"));
        QCOMPARE(w->post().selStart(), 4);
    }

    void cutAndCopyWithoutASelectionLeaveTheClipboard()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        QTest::keyClicks(txtPost(w), QStringLiteral("abc"));
        action(w, "mnuEditCopy")->trigger();
        action(w, "mnuEditCut")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        QCOMPARE(postText(w), QStringLiteral("abc"));
        QGuiApplication::clipboard()->clear();
        action(w, "mnuEditPaste")->trigger();
        QCOMPARE(postText(w), QStringLiteral("abc"));
    }

    void ctrlBackspaceDeletesBackToTheSpace()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("one two"));
        QTest::keyClick(txtPost(w), Qt::Key_Return);
        QTest::keyClicks(txtPost(w), QStringLiteral("three"));
        QTest::keyClick(txtPost(w), Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(postText(w), QStringLiteral("one"));
        QCOMPARE(w->post().selStart(), 3);
        QTest::keyClick(txtPost(w), Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(postText(w), QString());
        QTest::keyClick(txtPost(w), Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(postText(w), QString());
        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(postText(w), QStringLiteral("one"));
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
        QTest::keyClicks(txtPost(w), QStringLiteral("ab"));
        QTest::keyClick(txtPost(w), Qt::Key_Left);
        QTest::keyClick(txtPost(w), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(postText(w), expected);
        QVERIFY(!txtPost(w)->blnCtrlDown());
    }

    void ctrlMovesTheCaretStill()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("one two"));
        QTest::keyClick(txtPost(w), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(w->post().selStart(), 0);
        QTest::keyClick(txtPost(w), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(w->post().selStart(), 7);
    }

    void altGrCharactersType()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        // AltGr arrives as Ctrl+Alt on some desktops.
        QTest::keyClick(txtPost(w), '@', Qt::ControlModifier | Qt::AltModifier);
        QTest::keyClick(txtPost(w), '{', Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(postText(w), QStringLiteral("@{"));
    }

    void theEditMenuIsTheEditorsContextMenu()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        int shown = 0;
        QWidget *popup = nullptr;
        connect(menu(w, "mnuEdit"), &QMenu::aboutToShow, w, [&] {
            ++shown;
            QTimer::singleShot(0, w, [&] {
                popup = QApplication::activePopupWidget();
                if (popup)
                    popup->close();
            });
        });

        QTest::mouseClick(txtPost(w)->viewport(), Qt::RightButton, {}, QPoint(20, 20));
        QTRY_COMPARE(shown, 1);
        QCOMPARE(popup, menu(w, "mnuEdit"));
        QTest::qWait(50);
        QCOMPARE(shown, 1);

        QTest::keyClick(txtPost(w), Qt::Key_Menu);
        QCOMPARE(shown, 2);
        QTest::keyClick(txtPost(w), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(shown, 3);
        QCOMPARE(popup, menu(w, "mnuEdit"));
        QTest::qWait(50);
        QCOMPARE(shown, 3);
        QVERIFY(!QApplication::activePopupWidget());
    }

    void aVeryLongLineWrapsAnywhere()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        const QTextOption::WrapMode normal = txtPost(w)->wordWrapMode();
        w->post().replaceSelection(QString(PostEdit::longLine + 100, u'w'));
        QCOMPARE(txtPost(w)->wordWrapMode(), QTextOption::WrapAnywhere);
        QTest::keyClick(txtPost(w), Qt::Key_Return);
        QTest::keyClicks(txtPost(w), QStringLiteral("short"));
        QCOMPARE(txtPost(w)->wordWrapMode(), QTextOption::WrapAnywhere);
        action(w, "mnuEditClearAll")->trigger();
        QCOMPARE(txtPost(w)->wordWrapMode(), normal);
        QVERIFY(normal != QTextOption::WrapAnywhere);
    }

    void insertEntriesGoInAtTheCaret()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("insert.txt"), testInsertFile);
        frmMain *w = f.open();
        QCOMPARE(menu(w, "mnuInsert")->actions().size(), 5);
        QCOMPARE(action(w, "mnuInsertUser(0)")->text(), QStringLiteral("Signature"));
        QVERIFY(action(w, "mnuInsertUser(2)")->isSeparator());
        QCOMPARE(w->insertEntryValue(4), QStringLiteral("value"));
        QCOMPARE(action(w, "mnuInsertUser(4)")->text(), QStringLiteral("Two bars"));

        QTest::keyClicks(txtPost(w), QStringLiteral("ab"));
        QTest::keyClick(txtPost(w), Qt::Key_Left);
        QTest::keyClick(txtPost(w), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(postText(w), QStringLiteral("a\r\n-- \r\nmeb"));
        QCOMPARE(w->post().selStart(), 10);

        action(w, "mnuInsertUser(3)")->trigger();
        QCOMPARE(postText(w), QStringLiteral("a\r\n-- \r\nmeDT:yyyyb"));
        action(w, "mnuInsertUser(1)")->trigger();
        const QString year
            = DateFormat::format(QStringLiteral("yyyy"), QDateTime::currentDateTime());
        QCOMPARE(postText(w), QStringLiteral("a\r\n-- \r\nmeDT:yyyy") + year + u'b');

        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(postText(w), QStringLiteral("a\r\n-- \r\nmeDT:yyyyb"));
    }

    void anInsertEntryReplacesTheSelection()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("insert.txt"), testInsertFile);
        frmMain *w = f.open();
        EditorText post = w->post();
        post.setText(QStringLiteral("one two three"));
        post.setSelection(4, 3);
        action(w, "mnuInsertUser(4)")->trigger();
        QCOMPARE(postText(w), QStringLiteral("one value three"));
        QCOMPARE(post.selStart(), 9);
    }

    void webEntriesOpenThroughTheShell()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        action(w, "mnuWebURL(1)")->trigger();
        QCOMPARE(f.shell.requests.size(), 1);
        QCOMPARE(f.shell.requests[0].target, QStringLiteral("https://forum.example.org"));
        QCOMPARE(f.shell.requests[0].verb, QString());
        QCOMPARE(errorNumberOf([&] { w->webEntryValue(int(menu(w, "mnuWeb")->actions().size())); }),
                 9);
    }
};

QTEST_MAIN(TestFrmMainEditing)
#include "tst_frmmain_editing.moc"
