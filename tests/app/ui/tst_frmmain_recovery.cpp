#include "app/ui/frmmain.h"
#include "foundation/errorreport.h"
#include "mainwindowfixture.h"
#include "recovery/postrecovery.h"
#include "recovery/sessionendrequest.h"
#include "widgets/postedit.h"
#include "widgets/skinwidgets.h"

#include <QAction>
#include <QDir>
#include <QTest>

namespace {

const QString recoveryFile = QStringLiteral("recovery.txt");

struct FakeSessionEnd : SessionEndRequest
{
    explicit FakeSessionEnd(bool interaction) : interaction(interaction) { }
    bool allowsInteraction() override { return interaction; }
    void cancel() override { cancelled = true; }
    void release() override { released = true; }
    bool interaction;
    bool cancelled = false;
    bool released = false;
};

// The window's recovery on a clock the test moves.
struct Recovery
{
    explicit Recovery(frmMain *w)
        : recovery(w->findChild<PostRecovery *>(QStringLiteral("recovery")))
    {
        recovery->setClock([this] { return now; });
    }
    // Lets the schedule's time come and waits for the write.
    void writeDue()
    {
        if (const std::optional<qint64> due = recovery->writeDue())
            now = *due;
        recovery->writeIfDue();
        recovery->waitForWriter();
    }
    // A failure the writer met is reported on the window's thread.
    void deliverReports() { QCoreApplication::sendPostedEvents(recovery, QEvent::MetaCall); }
    PostRecovery *recovery;
    qint64 now = 0;
};

} // namespace

// The recovery file as the main window keeps it: written while the post is
// unsaved, gone when nothing is left to lose, offered at the next start.
class TestFrmMainRecovery : public QObject
{
    Q_OBJECT

private slots:
    void theStartOffersThePostBack()
    {
        MainWindowFixture f;
        f.folder.write(recoveryFile, "\r\nline one\r\nline two\r\n");
        f.prompts.queueAnswer(MessageAnswer::Yes);
        frmMain *w = f.open();

        QTRY_COMPARE(postText(w), QStringLiteral("\r\nline one\r\nline two"));
        QCOMPARE(f.prompts.titles(), QStringList{"Recover Post?"});
        QVERIFY(w->blnPostChanged());
        QVERIFY(action(w, "mnuFileSaveDraft")->isEnabled());
        QCOMPARE(w->post().selStart(), w->post().length());
        QVERIFY(f.folder.exists(recoveryFile));

        // One recorded change: Undo returns to the empty editor, and no further.
        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(postText(w), QString());
        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(postText(w), QString());
    }

    void noDiscardsThePost()
    {
        MainWindowFixture f;
        f.folder.write(recoveryFile, "post\r\n");
        f.prompts.queueAnswer(MessageAnswer::No);
        frmMain *w = f.open();

        QTRY_COMPARE(f.prompts.records.size(), 1);
        QCOMPARE(postText(w), QString());
        QVERIFY(!w->blnPostChanged());
        QVERIFY(!f.folder.exists(recoveryFile));
    }

    void aRefusedSecondInstanceLeavesTheFileAlone()
    {
        MainWindowFixture f;
        f.lock.free = false;
        f.folder.write(recoveryFile, "post\r\n");
        f.prompts.queueAnswer(MessageAnswer::Ok);
        frmMain *w = f.create();
        w->show();
        // The start's offer, queued when the window shows, has run.
        QCoreApplication::sendPostedEvents(w, QEvent::MetaCall);
        QCOMPARE(f.prompts.titles(), QStringList{"Wuxo Error"});
        QCOMPARE(f.folder.read(recoveryFile), QByteArray("post\r\n"));
    }

    void whatRemovesTheFile_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("fileStays");

        QTest::newRow("Copy Post") << "copy" << false;
        QTest::newRow("Save Draft") << "save draft" << false;
        QTest::newRow("Open Draft") << "open draft" << false;
        QTest::newRow("the post generator's Yes") << "post generator yes" << false;
        QTest::newRow("Clear All empties the editor") << "clear all" << false;
        QTest::newRow("closing with Yes saves the draft") << "close yes" << false;
        QTest::newRow("closing with No discards the post") << "close no" << false;
        QTest::newRow("closing with Cancel keeps everything") << "close cancel" << true;
        QTest::newRow("the post generator's Cancel keeps everything")
            << "post generator cancel" << true;
    }

    void whatRemovesTheFile()
    {
        QFETCH(QString, command);
        QFETCH(bool, fileStays);

        MainWindowFixture f;
        f.folder.write(QStringLiteral("prefs.txt"), "[Preferences]\r\nCopyMinimize=0\r\n");
        f.folder.write(QStringLiteral("draft.txt"), "the draft\r\n");
        frmMain *w = f.open();
        Recovery r(w);
        QTest::keyClicks(txtPost(w), QStringLiteral("unsaved"));
        r.writeDue();
        QCOMPARE(f.folder.read(recoveryFile), QByteArray("unsaved\r\n"));

        if (command == QLatin1String("copy")) {
            control<SkinButton>(w, "cmdCopy")->click();
        } else if (command == QLatin1String("save draft")) {
            action(w, "mnuFileSaveDraft")->trigger();
            QCOMPARE(f.folder.read(QStringLiteral("draft.txt")), QByteArray("unsaved\r\n"));
        } else if (command == QLatin1String("open draft")) {
            action(w, "mnuFileLoadDraft")->trigger();
            QCOMPARE(postText(w), QStringLiteral("the draft"));
        } else if (command.startsWith(QLatin1String("post generator"))) {
            f.prompts.queueAnswer(command.endsWith(QLatin1String("yes")) ? MessageAnswer::Yes
                                                                         : MessageAnswer::Cancel);
            action(w, "mnuFileNewsAuto")->trigger();
            QCOMPARE(f.prompts.titles(), QStringList{"New Post"});
            if (action(w, "mnuFileNewsAuto")->text() == QLatin1String("Cancel Auto Mode"))
                action(w, "mnuFileNewsAuto")->trigger();
        } else if (command == QLatin1String("clear all")) {
            action(w, "mnuEditClearAll")->trigger();
            QVERIFY(w->blnPostChanged());
        } else if (command.startsWith(QLatin1String("close"))) {
            const QString answer = command.section(u' ', 1);
            f.prompts.queueAnswer(answer == QLatin1String("yes")      ? MessageAnswer::Yes
                                      : answer == QLatin1String("no") ? MessageAnswer::No
                                                                      : MessageAnswer::Cancel);
            QCOMPARE(w->close(), answer != QLatin1String("cancel"));
            QCOMPARE(f.prompts.titles(), QStringList{"Save Draft?"});
        } else {
            QFAIL("unknown command");
        }
        r.recovery->waitForWriter();
        QCOMPARE(f.folder.exists(recoveryFile), fileStays);
        QCOMPARE(f.folder.read(QStringLiteral("draft.txt")),
                 command == QLatin1String("save draft") || command == QLatin1String("close yes")
                     ? QByteArray("unsaved\r\n")
                     : QByteArray("the draft\r\n"));

        // Nothing written since: no later tick brings the file back.
        r.writeDue();
        QCOMPARE(f.folder.exists(recoveryFile), fileStays);
    }

    void theSessionSavesWithoutClosingTheWindow_data()
    {
        QTest::addColumn<bool>("interaction");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<bool>("fileStays");
        QTest::addColumn<bool>("closeAsks");
        QTest::newRow("no questions allowed: the post is on disk, nothing asked")
            << false << MessageAnswer::Ok << false << true << true;
        QTest::newRow("Cancel keeps the session going")
            << true << MessageAnswer::Cancel << true << true << true;
        QTest::newRow("No lets the session end with the post in the recovery file")
            << true << MessageAnswer::No << false << true << true;
        QTest::newRow("Yes saves the draft")
            << true << MessageAnswer::Yes << false << false << false;
    }

    // A checkpoint saves a session that goes on: the program keeps running, and
    // a later close behaves as if there had been none.
    void theSessionSavesWithoutClosingTheWindow()
    {
        QFETCH(bool, interaction);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, cancelled);
        QFETCH(bool, fileStays);
        QFETCH(bool, closeAsks);

        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("typed a moment ago"));
        QVERIFY(!f.folder.exists(recoveryFile));
        FakeSessionEnd session(interaction);
        f.prompts.setOnPrompt([&f](const PromptRecord &) {
            // The post is on disk before anything is asked.
            QCOMPARE(f.folder.read(recoveryFile), QByteArray("typed a moment ago\r\n"));
        });
        if (interaction)
            f.prompts.queueAnswer(answer);
        w->commitData(session);
        w->findChild<PostRecovery *>(QStringLiteral("recovery"))->waitForWriter();

        QCOMPARE(f.prompts.titles(), interaction ? QStringList{"Save Draft?"} : QStringList());
        QCOMPARE(session.released, interaction);
        QCOMPARE(session.cancelled, cancelled);
        QVERIFY(w->isVisible());
        QCOMPARE(f.folder.exists(recoveryFile), fileStays);
        QCOMPARE(f.folder.exists(QStringLiteral("draft.txt")), answer == MessageAnswer::Yes);

        f.prompts.records.clear();
        f.prompts.setOnPrompt({});
        f.prompts.queueAnswer(MessageAnswer::No);
        QVERIFY(w->close());
        w->findChild<PostRecovery *>(QStringLiteral("recovery"))->waitForWriter();
        QCOMPARE(f.prompts.titles(), closeAsks ? QStringList{"Save Draft?"} : QStringList());
        QVERIFY(!f.folder.exists(recoveryFile));
    }

    // Each request writes the post as it is then.
    void aSecondCheckpointWritesTheNewerPost()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("one"));
        FakeSessionEnd session(false);
        w->commitData(session);
        QTest::keyClicks(txtPost(w), QStringLiteral(" two"));
        w->commitData(session);
        QCOMPARE(f.folder.read(recoveryFile), QByteArray("one two\r\n"));
    }

    void aFileThatCannotBeWrittenIsReportedOnce()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QVERIFY(QDir().mkdir(f.folder.path(recoveryFile)));
        Recovery r(w);
        f.prompts.queueAnswer(MessageAnswer::Ok);
        QTest::keyClicks(txtPost(w), QStringLiteral("one"));
        r.writeDue();
        QTRY_COMPARE(f.prompts.reportTitles(),
                     QStringList{ErrorReport::title(QStringLiteral("Main.Recovery"),
                                                    WuxoError(ErrorNumber::PathFileAccess))});

        QTest::keyClicks(txtPost(w), QStringLiteral(" two"));
        r.writeDue();
        QTest::keyClicks(txtPost(w), QStringLiteral(" three"));
        r.writeDue();
        r.deliverReports();
        QCOMPARE(f.prompts.reportTitles().size(), 1);
        QCOMPARE(postText(w), QStringLiteral("one two three"));
    }
};

QTEST_MAIN(TestFrmMainRecovery)
#include "tst_frmmain_recovery.moc"
