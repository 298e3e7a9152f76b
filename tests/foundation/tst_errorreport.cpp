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
};

QTEST_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
