#include "app/ui/frmmain.h"
#include "mainwindowfixture.h"
#include "widgets/postedit.h"

#include <QAction>
#include <QMenu>
#include <QTest>

class TestFrmMainPasteAsBBCode : public QObject
{
    Q_OBJECT
private slots:
    void standsDirectlyAfterPaste()
    {
        MainWindowFixture f;
        frmMain *w = f.create();
        const QList<QAction *> items = menu(w, "mnuEdit")->actions();
        const qsizetype paste = items.indexOf(action(w, "mnuEditPaste"));
        QVERIFY(paste >= 0);
        QCOMPARE(items.value(paste + 1), action(w, "mnuEditPasteBBCode"));
        QCOMPARE(action(w, "mnuEditPasteBBCode")->text(), QStringLiteral("Paste as BBCode"));
        QCOMPARE(action(w, "mnuEditPasteBBCode")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    }

    void replacesTheSelectionAsOneChange()
    {
        FakeClipboard clipboard;
        MainWindowFixture f;
        frmMain *w = f.open();
        w->post().setText(QStringLiteral("Look: XX!"));
        w->setBlnPostChanged(false);
        action(w, "mnuFileSaveDraft")->setEnabled(false);
        w->post().setSelection(6, 2);
        clipboard.copy(QStringLiteral("a story"),
                       QStringLiteral("<p>a <a href=\"/s\">story</a></p><ul><li>one</li></ul>"),
                       QUrl(QStringLiteral("http://news.example/today/")));

        QTest::keyClick(txtPost(w), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);

        const QString pasted = QStringLiteral(
            "a [URL=http://news.example/s]story[/URL]\r\n\r\n[LIST]\r\n[*]one\r\n[/LIST]");
        QCOMPARE(w->post().text(), QStringLiteral("Look: ") + pasted + QStringLiteral("!"));
        QCOMPARE(w->post().selStart(), 6 + pasted.size());
        QCOMPARE(w->post().selLength(), 0);
        QVERIFY(w->blnPostChanged());
        QVERIFY(action(w, "mnuFileSaveDraft")->isEnabled());
        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(w->post().text(), QStringLiteral("Look: XX!"));
    }

    void plainTextPastesAsPasteDoes_data()
    {
        QTest::addColumn<bool>("hasText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain text only") << true << QStringLiteral("ab[b]\r\nc");
        QTest::newRow("nothing to paste") << false << QStringLiteral("a");
    }

    void plainTextPastesAsPasteDoes()
    {
        QFETCH(bool, hasText);
        QFETCH(QString, expected);
        FakeClipboard clipboard;
        MainWindowFixture f;
        frmMain *w = f.open();
        w->post().setText(QStringLiteral("a"));
        w->post().setSelStart(1);
        if (hasText)
            clipboard.copy(QStringLiteral("b[b]\r\nc"));
        else
            clipboard.copyWithoutText();
        action(w, "mnuEditPasteBBCode")->trigger();
        QCOMPARE(w->post().text(), expected);
        QCOMPARE(w->post().selStart(), expected.size());
    }
};

QTEST_MAIN(TestFrmMainPasteAsBBCode)
#include "tst_frmmain_pasteasbbcode.moc"
