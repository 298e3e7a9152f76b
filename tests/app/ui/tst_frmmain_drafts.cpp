#include "app/ui/frmmain.h"
#include "mainwindowfixture.h"
#include "widgets/postedit.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTest>

// Save Draft and Open Draft: the draft file, the menu entries and the history.
class TestFrmMainDrafts : public QObject
{
    Q_OBJECT

private slots:
    void saveDraftWritesThePost()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("Hi"));
        QTest::keyClick(txtPost(w), Qt::Key_Return);
        QTest::keyClick(txtPost(w), Qt::Key_Return);
        QTest::keyClick(txtPost(w), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.folder.read(QStringLiteral("draft.txt")), QByteArray("Hi\r\n\r\n\r\n"));
        QVERIFY(!w->blnPostChanged());
        QVERIFY(!action(w, "mnuFileSaveDraft")->isEnabled());
        QVERIFY(action(w, "mnuFileLoadDraft")->isEnabled());
    }

    void saveDraftWithAnEmptyPostDoesNothing()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("x"));
        action(w, "mnuEditClearAll")->trigger();
        QVERIFY(action(w, "mnuFileSaveDraft")->isEnabled());
        action(w, "mnuFileSaveDraft")->trigger();
        QVERIFY(!f.folder.exists(QStringLiteral("draft.txt")));
        QVERIFY(action(w, "mnuFileSaveDraft")->isEnabled());
    }

    void aDraftThatCannotBeSavedIsReported()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("precious"));
        QDir().mkdir(f.folder.path(QStringLiteral("draft.txt"))); // a folder in the draft's place
        f.prompts.queueAnswer(MessageAnswer::Ok);
        action(w, "mnuFileSaveDraft")->trigger();
        QVERIFY(!QFileInfo(f.folder.path(QStringLiteral("draft.txt"))).isFile());
        QCOMPARE(f.prompts.records.size(), 1);
        QVERIFY(f.prompts.records[0].title.endsWith(QStringLiteral(" in Main.SaveDraft")));
        QCOMPARE(f.prompts.records[0].icon, MessageIcon::Critical);
        QVERIFY(w->blnPostChanged());
        QVERIFY(action(w, "mnuFileSaveDraft")->isEnabled());
        QCOMPARE(postText(w), QStringLiteral("precious"));
    }

    void openDraftBringsTheLinesBackOneChangeEach()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("draft.txt"), "\r\n\r\nfirst\r\nsecond\r\n\r\nthird\r\n");
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("old"));
        QTest::keyClick(txtPost(w), Qt::Key_O, Qt::ControlModifier);

        QCOMPARE(postText(w), QStringLiteral("first\r\nsecond\r\n\r\nthird"));
        QCOMPARE(w->post().selStart(), 22);
        QVERIFY(!w->blnPostChanged());
        QVERIFY(!action(w, "mnuFileSaveDraft")->isEnabled());

        const QStringList expected{
            "first\r\nsecond\r\n", "first\r\nsecond", "first", "", "old", "ol"};
        for (const QString &older : expected) {
            action(w, "mnuEditUndo")->trigger();
            QCOMPARE(postText(w), older);
            QCOMPARE(w->post().selStart(), w->post().length());
        }
        action(w, "mnuEditRedo")->trigger();
        QCOMPARE(postText(w), QStringLiteral("old"));
    }

    void openDraftWithoutADraft()
    {
        MainWindowFixture f;
        // The draft goes away after the start, while Open Draft stays enabled.
        f.folder.write(QStringLiteral("draft.txt"), "gone\r\n");
        frmMain *w = f.open();
        f.folder.remove(QStringLiteral("draft.txt"));
        QTest::keyClicks(txtPost(w), QStringLiteral("mine"));
        f.prompts.queueAnswer(MessageAnswer::Ok);
        action(w, "mnuFileLoadDraft")->trigger();
        QCOMPARE(f.prompts.records.size(), 1);
        QCOMPARE(f.prompts.records[0].text, QStringLiteral("No saved draft found."));
        QCOMPARE(f.prompts.records[0].title, QStringLiteral("Load Error"));
        QCOMPARE(f.prompts.records[0].icon, MessageIcon::Exclamation);
        QCOMPARE(postText(w), QStringLiteral("mine"));
    }

    void aDraftThatCannotBeReadLeavesThePost()
    {
        MainWindowFixture f;
        QDir().mkdir(f.folder.path(QStringLiteral("draft.txt")));
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("mine"));
        f.prompts.queueAnswer(MessageAnswer::Ok);
        action(w, "mnuFileLoadDraft")->trigger();
        QCOMPARE(f.prompts.records.size(), 1);
        QVERIFY(f.prompts.records[0].title.endsWith(QStringLiteral(" in Main.LoadDraft")));
        QCOMPARE(postText(w), QStringLiteral("mine"));
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
        action(w, "mnuFileLoadDraft")->trigger();
        QCOMPARE(w->post().length(), draft.size() - 2);
        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(w->post().length(), draft.size() - 52);
        QCOMPARE(w->history().intHistoryPos(), qint16(98));
    }
};

QTEST_MAIN(TestFrmMainDrafts)
#include "tst_frmmain_drafts.moc"
