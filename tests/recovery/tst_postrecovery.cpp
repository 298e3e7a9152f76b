#include "fakes.h"
#include "foundation/datafolder.h"
#include "foundation/errorreport.h"
#include "recovery/postrecovery.h"
#include "testdatafolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

const QString recoveryFile = QStringLiteral("recovery.txt");

// A recovery object over a post the test sets, on a clock the test moves.
struct Writer
{
    QString post;
    qint64 now = 0;
    PostRecovery recovery{[this] {
        return post;
    }};

    Writer()
    {
        recovery.setClock([this] { return now; });
    }

    void type(const QString &text, qint64 at)
    {
        post = text;
        now = at;
        recovery.postChanged(!text.isEmpty());
    }
    void tick(qint64 at)
    {
        now = at;
        recovery.writeIfDue();
        recovery.waitForWriter();
    }
};

} // namespace

class TestPostRecovery : public QObject
{
    Q_OBJECT

private slots:
    void offer_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("recovered"); // empty: nothing recovered
        QTest::addColumn<bool>("fileStays");

        QTest::newRow("Yes gives the post back and keeps the file")
            << QByteArray("first\r\n\r\nsecond\r\n") << MessageAnswer::Yes << true
            << "first\r\n\r\nsecond" << true;
        QTest::newRow("empty lines at the start and the end come back")
            << QByteArray("\r\n\r\ntext\r\n\r\n\r\n") << MessageAnswer::Yes << true
            << "\r\n\r\ntext\r\n\r\n"
            << true;
        QTest::newRow("any line end reads as CR LF, UTF-8 text as itself")
            << QByteArray("a\nb\rc \xe2\x9c\x93") << MessageAnswer::Yes << true
            << QString::fromUtf8("a\r\nb\r\nc \xe2\x9c\x93") << true;
        QTest::newRow("No removes the file")
            << QByteArray("post\r\n") << MessageAnswer::No << true << "" << false;
        QTest::newRow("a file that holds no post is removed without a question")
            << QByteArray("\r\n") << MessageAnswer::Yes << false << "" << false;
    }

    void offer()
    {
        QFETCH(QByteArray, file);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, asked);
        QFETCH(QString, recovered);
        QFETCH(bool, fileStays);

        TestDataFolder folder(false);
        ScriptedPrompts prompts;
        prompts.queueAnswer(answer);
        folder.write(recoveryFile, file);
        PostRecovery recovery([] { return QString(); });

        QCOMPARE(recovery.offer().value_or(QString()), recovered);
        QCOMPARE(prompts.records.size(), asked ? 1 : 0);
        if (asked) {
            const PromptRecord &box = prompts.records.constFirst();
            QCOMPARE(box.text,
                     QStringLiteral(
                         "Wuxo closed without saving the post you were writing. Recover it?"));
            QCOMPARE(box.title, QStringLiteral("Recover Post?"));
            QCOMPARE(box.icon, MessageIcon::Question);
            QCOMPARE(box.buttons, MessageButtons::YesNo);
        }
        QCOMPARE(folder.exists(recoveryFile), fileStays);
    }

    void withoutAFileNothingIsAsked()
    {
        TestDataFolder folder(false);
        ScriptedPrompts prompts;
        PostRecovery recovery([] { return QString(); });
        QVERIFY(!recovery.offer());
        QVERIFY(prompts.records.isEmpty());
    }

    void anUnreadableFileIsReportedAndLeftInPlace()
    {
        TestDataFolder folder(false);
        ScriptedPrompts prompts;
        prompts.queueAnswer(MessageAnswer::Ok);
        QVERIFY(QDir().mkdir(folder.path(recoveryFile)));
        PostRecovery recovery([] { return QString(); });

        QVERIFY(!recovery.offer());
        QCOMPARE(prompts.reportTitles(),
                 QStringList{ErrorReport::title(QStringLiteral("Main.Recovery"),
                                                WuxoError(ErrorNumber::PathFileAccess))});
        QVERIFY(QFileInfo(folder.path(recoveryFile)).isDir());
    }

    void thePostIsWrittenInTheDraftFormatAfterThePause()
    {
        TestDataFolder folder(false);
        Writer w;
        w.type(QStringLiteral("Grüße\r\n\r\nline"), 0);
        QCOMPARE(w.recovery.writeDue(), std::optional<qint64>(2000));
        w.tick(1999);
        QVERIFY(!folder.exists(recoveryFile));
        w.tick(2000);
        QCOMPARE(folder.read(recoveryFile),
                 QByteArray("Gr\xc3\xbc\xc3\x9f"
                            "e\r\n\r\nline\r\n"));

        // The file goes once nothing is left to lose.
        w.type(QString(), 2500);
        w.recovery.waitForWriter();
        QVERIFY(!folder.exists(recoveryFile));
    }

    void aFailedWriteKeepsTheEarlierCopy()
    {
        // QSaveFile replaces the file only once the new copy is complete.
        TestDataFolder folder(false);
        ScriptedPrompts prompts;
        prompts.queueAnswer(MessageAnswer::Ok);
        Writer w;
        w.type(QStringLiteral("first"), 0);
        w.tick(2000);
        QCOMPARE(folder.read(recoveryFile), QByteArray("first\r\n"));

        DataFolder::setPath(folder.dataFolder() + QStringLiteral("/gone"));
        w.type(QStringLiteral("second"), 3000);
        w.tick(5000);
        QTRY_COMPARE(prompts.reportTitles().size(), 1);
        QCOMPARE(folder.read(recoveryFile), QByteArray("first\r\n"));
    }

    void aFailureIsReportedOncePerRun_data()
    {
        QTest::addColumn<bool>("folderAtTheFilesPlace");
        QTest::addColumn<int>("number");
        QTest::newRow("a folder where the file should be") << true << ErrorNumber::PathFileAccess;
        QTest::newRow("the data folder is gone") << false << ErrorNumber::PathNotFound;
    }

    void aFailureIsReportedOncePerRun()
    {
        QFETCH(bool, folderAtTheFilesPlace);
        QFETCH(int, number);

        TestDataFolder folder(false);
        ScriptedPrompts prompts;
        prompts.queueAnswer(MessageAnswer::Ok);
        if (folderAtTheFilesPlace)
            QVERIFY(QDir().mkdir(folder.path(recoveryFile)));
        else
            DataFolder::setPath(folder.dataFolder() + QStringLiteral("/gone"));
        Writer w;
        w.type(QStringLiteral("one"), 0);
        w.tick(2000);
        QTRY_COMPARE(prompts.reportTitles().size(), 1);
        QCOMPARE(prompts.reportTitles().constFirst(),
                 ErrorReport::title(QStringLiteral("Main.Recovery"), WuxoError(number)));

        w.type(QStringLiteral("one more"), 3000);
        w.tick(5000);
        w.type(QStringLiteral("and more"), 6000);
        w.tick(8000);
        // A failure the writer met is reported on this thread.
        QCoreApplication::sendPostedEvents(&w.recovery, QEvent::MetaCall);
        QCOMPARE(prompts.reportTitles().size(), 1);
    }

    void theSessionEndWritesAtOnce()
    {
        TestDataFolder folder(false);
        Writer w;
        w.type(QStringLiteral("typed just now"), 0);
        w.recovery.sessionEnding();
        QCOMPARE(folder.read(recoveryFile), QByteArray("typed just now\r\n"));
        QVERIFY(!w.recovery.writeDue());
    }

    void closingRemovesTheFileBeforeItReturns()
    {
        TestDataFolder folder(false);
        Writer w;
        w.type(QStringLiteral("post"), 0);
        w.tick(2000);
        QVERIFY(folder.exists(recoveryFile));
        w.recovery.windowClosed();
        QVERIFY(!folder.exists(recoveryFile));
    }
};

QTEST_MAIN(TestPostRecovery)
#include "tst_postrecovery.moc"
