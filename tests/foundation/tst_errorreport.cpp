#include "fakes.h"
#include "testdatafolder.h"

#include "buildinfo.h"
#include "foundation/datafolder.h"
#include "foundation/errorreport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>

class TestErrorReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportsBoxThenLogLine()
    {
        TestDataFolder folder;
        ScriptedPrompts prompts;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        prompts.queueAnswer(MessageAnswer::Ok);
        ReportError(QStringLiteral("Main.Preview"), WuxoError(ErrorNumber::FileNotFound));

        QCOMPARE(prompts.records.size(), 1);
        const PromptRecord &box = prompts.records.first();
        const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        QCOMPARE(box.title, base + QStringLiteral(" Error 53 in Main.Preview"));
        QCOMPARE(box.text,
                 QStringLiteral("The following error has occured:\r\n[ File not found ]\r"
                                "Please report errors to ")
                     + QString::fromUtf8(BuildInfo::supportEmail) + QStringLiteral("\r\n"));
        QCOMPARE(box.icon, MessageIcon::Critical);
        QCOMPARE(box.buttons, MessageButtons::Ok);
        QVERIFY(!QGuiApplication::overrideCursor());

        const QByteArray log = folder.read(QStringLiteral("ErrorLog.txt"));
        QVERIFY2(log.endsWith(" Error 53 in Main.Preview - File not found\r\n"), log.constData());
        QCOMPARE(log.count('\n'), 1);
    }

    void twoReportsAppendTwoLinesInOrder()
    {
        TestDataFolder folder;
        ScriptedPrompts prompts;
        folder.write(QStringLiteral("ErrorLog.txt"), "earlier line\r\n");
        prompts.queueAnswer(MessageAnswer::Ok);
        prompts.queueAnswer(MessageAnswer::Ok);
        ReportError(QStringLiteral("News_Load"), WuxoError(ErrorNumber::SubscriptOutOfRange));
        ReportError(QString(),
                    WuxoError(ErrorNumber::TypeMismatch, QStringLiteral("Type mismatch: Source")));
        const QList<QByteArray> lines = folder.read(QStringLiteral("ErrorLog.txt")).split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QByteArray("earlier line\r"));
        QVERIFY(lines[1].endsWith(" Error 9 in News_Load - Subscript out of range\r"));
        QVERIFY(lines[2].endsWith(" Error 13 in Unknown - Type mismatch: Source\r"));
        QVERIFY(prompts.records[1].title.endsWith(QStringLiteral(" Error 13 in Unknown")));
    }

    void silentNumbers_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("no error") << 0;
        QTest::newRow("resume without error") << 20;
    }

    void silentNumbers()
    {
        QFETCH(int, number);
        TestDataFolder folder;
        ScriptedPrompts prompts;
        ReportError(QStringLiteral("Main.Load"), WuxoError(number));
        QVERIFY(prompts.records.isEmpty());
        QVERIFY(!folder.exists(QStringLiteral("ErrorLog.txt")));
    }

    void unwritableLogStillShowsTheBox()
    {
        TestDataFolder folder;
        ScriptedPrompts prompts;
        DataFolder::setPath(folder.programFolder() + QStringLiteral("/missing"));
        prompts.queueAnswer(MessageAnswer::Ok);
        ReportError(QStringLiteral("Main.cmdCopy"), WuxoError(ErrorNumber::InvalidArgument));
        QCOMPARE(prompts.records.size(), 1);
    }

    void trappedWork_data()
    {
        QTest::addColumn<int>("thrown");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<int>("reported");
        QTest::addColumn<QStringList>("titles");
        // -1 stands for running out of memory.
        QTest::newRow("work that finishes reports nothing") << 0 << true << 0 << QStringList();
        QTest::newRow("a failure is reported with the label")
            << 53 << false << 53 << QStringList{QStringLiteral(" Error 53 in Main.Trapped")};
        QTest::newRow("running out of memory is error 7")
            << -1 << false << 7 << QStringList{QStringLiteral(" Error 7 in Main.Trapped")};
        QTest::newRow("a silent number stops the work without a box")
            << 20 << false << 20 << QStringList();
    }

    void trappedWork()
    {
        QFETCH(int, thrown);
        QFETCH(bool, finished);
        QFETCH(int, reported);
        QFETCH(QStringList, titles);
        TestDataFolder folder;
        ScriptedPrompts prompts;
        for (qsizetype i = 0; i < titles.size(); ++i)
            prompts.queueAnswer(MessageAnswer::Ok);
        bool ranToEnd = false;
        int number = -2;
        const bool answer = runTrapped(
            QStringLiteral("Main.Trapped"),
            [&] {
                if (thrown == -1)
                    throw std::bad_alloc();
                if (thrown != 0)
                    throw WuxoError(thrown);
                ranToEnd = true;
            },
            &number);

        QCOMPARE(answer, finished);
        QCOMPARE(ranToEnd, finished);
        QCOMPARE(number, reported);
        const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        QStringList expected;
        for (const QString &title : std::as_const(titles))
            expected.append(base + title);
        QCOMPARE(prompts.reportTitles(), expected);
        if (!titles.isEmpty()) {
            const QByteArray log = folder.read(QStringLiteral("ErrorLog.txt"));
            QVERIFY2(log.endsWith(" in Main.Trapped - "
                                  + WuxoError::standardDescription(reported).toUtf8() + "\r\n"),
                     log.constData());
        }
    }
};

QTEST_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
