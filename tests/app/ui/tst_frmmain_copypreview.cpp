#include "app/ui/frmmain.h"
#include "foundation/preferences.h"
#include "mainwindowfixture.h"
#include "preview/ui/previewbrowser.h"
#include "spokenname.h"
#include "widgets/postedit.h"
#include "widgets/skinwidgets.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

QString breaks(int count)
{
    return QStringLiteral("\r\n").repeated(count);
}

QString text(frmMain *w)
{
    return w->post().text();
}

} // namespace

// Copy Post, the preview and the formatting lists, driven through the main window.
class TestFrmMainCopyPreview : public QObject
{
    Q_OBJECT

private:
    static void writePrefs(MainWindowFixture &f, const QByteArray &preferences)
    {
        f.folder.write(QStringLiteral("prefs.txt"), "[Preferences]\r\n" + preferences);
    }

private slots:
    void tooShortPostIsNotCopied_data()
    {
        QTest::addColumn<QString>("post");
        QTest::newRow("empty") << QString();
        QTest::newRow("one character") << QStringLiteral("x");
    }

    void tooShortPostIsNotCopied()
    {
        QFETCH(QString, post);
        MainWindowFixture f;
        frmMain *w = f.open();
        w->post().setText(post);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        f.prompts.queueAnswer(MessageAnswer::Ok);
        control<SkinButton>(w, "cmdCopy")->click();
        QCOMPARE(f.prompts.records.size(), 1);
        QCOMPARE(f.prompts.records[0].text, QStringLiteral("You must enter a message to post!"));
        QCOMPARE(f.prompts.records[0].title, QStringLiteral("Error"));
        QCOMPARE(f.prompts.records[0].icon, MessageIcon::Exclamation);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QCOMPARE(text(w), post);
    }

    void copyTidiesThePostAsRecordedEdits()
    {
        MainWindowFixture f;
        writePrefs(f, "CopyMinimize=0\r\n");
        frmMain *w = f.open();
        w->post().setText(QStringLiteral("a") + breaks(17) + QStringLiteral("b"));
        QVERIFY(w->blnPostChanged());
        control<SkinButton>(w, "cmdCopy")->click();
        QCOMPARE(text(w), QStringLiteral("a") + breaks(3) + QStringLiteral("b"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\n\n\nb"));
        QVERIFY(!w->blnPostChanged());
        QVERIFY(f.prompts.records.isEmpty());
        // 17 breaks became 9, 6, 4 and then 3, one edit per pass.
        for (int count : {4, 6, 9, 17}) {
            action(w, "mnuEditUndo")->trigger();
            QCOMPARE(text(w), QStringLiteral("a") + breaks(count) + QStringLiteral("b"));
        }
        // Closing right after a copy asks nothing.
        w->post().setText(QStringLiteral("done"));
        control<SkinButton>(w, "cmdCopy")->click();
        QVERIFY(w->close());
        QVERIFY(f.prompts.records.isEmpty());
    }

    void copyTakesAKeyTypedWhileEventsRun()
    {
        FakeClipboard clipboard;
        MainWindowFixture f;
        writePrefs(f, "CopyMinimize=0\r\n");
        frmMain *w = f.open();
        w->post().setText(QStringLiteral("one\r\ntwo"));
        w->post().setSelection(w->post().length(), 0);
        // The key waits in the queue and is typed while the copy lets events run.
        QCoreApplication::postEvent(
            txtPost(w),
            new QKeyEvent(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z")));
        control<SkinButton>(w, "cmdCopy")->click();
        QCOMPARE(text(w), QStringLiteral("one\r\ntwoz"));
        QCOMPARE(clipboard.written, QStringList{QStringLiteral("one\ntwoz")});
        QCOMPARE(clipboard.clears, 1);
        QVERIFY(!w->blnPostChanged());
    }

    void copyWithoutTidyingCopiesAsTyped()
    {
        MainWindowFixture f;
        writePrefs(f, "CopyMinimize=0\r\nCopyRemoveBreaks=0\r\n");
        frmMain *w = f.open();
        const QString post = QStringLiteral("a") + breaks(5) + QStringLiteral("b");
        w->post().setText(post);
        const QString older = w->history().strHistory(98);
        control<SkinButton>(w, "cmdCopy")->click();
        QCOMPARE(text(w), post);
        QCOMPARE(w->history().strHistory(98), older); // no edit recorded
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\n\n\n\n\nb"));
    }

    void copyMinimizesAndOpensTheSecondWebEntry()
    {
        MainWindowFixture f;
        writePrefs(f, "CopyMinimize=1\r\nCopyGotoURL=1\r\n");
        f.folder.write(QStringLiteral("web.txt"),
                       "# comment\r\nFirst|http://one.example\r\n"
                       "Second|http://two.example\r\n");
        frmMain *w = f.open();
        w->post().setText(QStringLiteral("hi there"));
        control<SkinButton>(w, "cmdCopy")->click();
        QVERIFY(w->windowState() & Qt::WindowMinimized);
        QCOMPARE(f.shell.targets(), QStringList{QStringLiteral("http://two.example")});
        QCOMPARE(f.shell.requests[0].verb, QString());
    }

    void missingSecondWebEntryIsReportedAfterTheCopy()
    {
        MainWindowFixture f;
        writePrefs(f, "CopyMinimize=0\r\nCopyGotoURL=1\r\n");
        f.folder.write(QStringLiteral("web.txt"), "Only|http://one.example\r\n");
        frmMain *w = f.open();
        w->post().setText(QStringLiteral("hi there"));
        f.prompts.queueAnswer(MessageAnswer::Ok);
        control<SkinButton>(w, "cmdCopy")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("hi there"));
        QVERIFY(!w->blnPostChanged());
        QCOMPARE(f.prompts.records.size(), 1);
        QVERIFY(f.prompts.records[0].title.endsWith(QStringLiteral(" Error 9 in Main.cmdCopy")));
        QVERIFY(f.shell.requests.isEmpty());
    }

    void previewShowsThePageAndComesBack()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("preview.txt"), "<html><body>[post]</body></html>");
        frmMain *w = f.open();
        w->post().setText(QStringLiteral("[b]Hi[/b] there"));
        w->post().setSelection(3, 2);
        QVERIFY(!w->previewBrowser()->isCreated()); // not made before it is needed

        control<SkinButton>(w, "cmdPreview")->click();
        QCOMPARE(f.folder.read(QStringLiteral("preview.html")),
                 QByteArray("<html><body><b>Hi</b> there</body></html>\r\n"));
        QCOMPARE(control<SkinButton>(w, "cmdPreview")->text(), QStringLiteral("Edit Post"));
        QCOMPARE(control<SkinLabel>(w, "lblHeaders(1)")->text(), QStringLiteral("Post Preview"));
        QCOMPARE(spokenName(control<SkinButton>(w, "cmdPreview")), QStringLiteral("Edit Post"));
        QCOMPARE(spokenName(control<SkinLabel>(w, "lblHeaders(1)")),
                 QStringLiteral("Post Preview"));
        QVERIFY(control<SkinLabel>(w, "lblHeaders(1)")->width()
                >= control<SkinLabel>(w, "lblHeaders(1)")
                       ->fontMetrics()
                       .horizontalAdvance(control<SkinLabel>(w, "lblHeaders(1)")->text()));
        QVERIFY(txtPost(w)->isHidden());
        QVERIFY(!control(w, "WebBrowser")->isHidden());
        QVERIFY(w->previewBrowser()->isCreated());
        QCOMPARE(w->previewBrowser()->view()->size(), txtPost(w)->size());

        // Formatting still works on the hidden post.
        control<SkinButton>(w, "cmdBold")->click();
        QCOMPARE(text(w), QStringLiteral("[b][B]Hi[/B][/b] there"));

        f.folder.remove(QStringLiteral("preview.html"));
        control<SkinButton>(w, "cmdPreview")->click();
        QCOMPARE(control<SkinButton>(w, "cmdPreview")->text(), QStringLiteral("Preview Post"));
        QCOMPARE(control<SkinLabel>(w, "lblHeaders(1)")->text(), QStringLiteral("Post Editor"));
        QCOMPARE(spokenName(control<SkinLabel>(w, "lblHeaders(1)")), QStringLiteral("Post Editor"));
        QVERIFY(!txtPost(w)->isHidden());
        QVERIFY(control(w, "WebBrowser")->isHidden());
        QVERIFY(
            !f.folder.exists(QStringLiteral("preview.html"))); // nothing written on the way back
        QCOMPARE(w->post().selStart(), 6);
        QCOMPARE(w->post().selLength(), 2);
    }

    void previewInTheDesktopBrowser()
    {
        MainWindowFixture f;
        writePrefs(f, "PreviewIntegrated=0\r\n");
        frmMain *w = f.open();
        w->post().setText(QStringLiteral("[i]x[/i]"));
        control<SkinButton>(w, "cmdPreview")->click();
        control<SkinButton>(w, "cmdPreview")->click();
        QCOMPARE(f.shell.targets(), QStringList(2, f.folder.path(QStringLiteral("preview.html"))));
        QCOMPARE(control<SkinButton>(w, "cmdPreview")->text(), QStringLiteral("Preview Post"));
        QVERIFY(!txtPost(w)->isHidden());
        QVERIFY(!w->previewBrowser()->isCreated());
    }

    void previewWithoutTheWebEngineOpensTheDesktopBrowser()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        w->previewBrowser()->setPluginPath(f.folder.path(QStringLiteral("no such plugin.so")));
        w->post().setText(QStringLiteral("[i]x[/i]"));
        f.prompts.queueAnswer(MessageAnswer::Ok);

        control<SkinButton>(w, "cmdPreview")->click();
        control<SkinButton>(w, "cmdPreview")->click();

        QCOMPARE(f.shell.targets(), QStringList(2, f.folder.path(QStringLiteral("preview.html"))));
        QCOMPARE(f.prompts.records.size(), 1);
        QVERIFY(f.prompts.records[0].text.startsWith(
            QStringLiteral("The integrated browser cannot be started: ")));
        QCOMPARE(control<SkinButton>(w, "cmdPreview")->text(), QStringLiteral("Preview Post"));
        QVERIFY(!txtPost(w)->isHidden());
        QVERIFY(control(w, "WebBrowser")->isHidden());
        QVERIFY(!w->previewBrowser()->isCreated());
    }

    void previewFailuresLeaveTheEditor_data()
    {
        QTest::addColumn<QByteArray>("templateBytes");
        QTest::addColumn<bool>("templateExists");
        QTest::addColumn<QString>("post");
        QTest::addColumn<int>("number");
        QTest::newRow("missing template") << QByteArray() << false << "fine post" << 53;
        QTest::newRow("empty template") << QByteArray() << true << "fine post" << 5;
        QTest::newRow("size that is no number")
            << QByteArray("[post]") << true << "[size=big]x[/size]" << 13;
        QTest::newRow("list on one line")
            << QByteArray("[post]") << true << "[list][*]one[/list]" << 5;
    }

    void previewFailuresLeaveTheEditor()
    {
        QFETCH(QByteArray, templateBytes);
        QFETCH(bool, templateExists);
        QFETCH(QString, post);
        QFETCH(int, number);
        MainWindowFixture f;
        if (templateExists)
            f.folder.write(QStringLiteral("preview.txt"), templateBytes);
        else
            f.folder.remove(QStringLiteral("preview.txt"));
        f.folder.write(QStringLiteral("preview.html"), "earlier page");
        frmMain *w = f.open();
        w->post().setText(post);
        f.prompts.queueAnswer(MessageAnswer::Ok);
        control<SkinButton>(w, "cmdPreview")->click();
        QCOMPARE(f.prompts.records.size(), 1);
        QVERIFY(f.prompts.records[0].title.endsWith(
            QStringLiteral(" Error %1 in Main.Preview").arg(number)));
        QCOMPARE(control<SkinButton>(w, "cmdPreview")->text(), QStringLiteral("Preview Post"));
        QVERIFY(!txtPost(w)->isHidden());
        QCOMPARE(f.folder.read(QStringLiteral("preview.html")), QByteArray("earlier page"));
        QVERIFY(f.folder.read(QStringLiteral("ErrorLog.txt")).contains(" in Main.Preview - "));
    }

    void listsApplyTheirChoiceEveryTime()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QCOMPARE(control<QComboBox>(w, "cmbFont")->currentIndex(), 0);
        QCOMPARE(control<QComboBox>(w, "cmbFont")->count(), 7);
        w->post().setText(QStringLiteral("x"));
        w->post().setSelection(0, 1);
        Q_EMIT control<QComboBox>(w, "cmbFont")->activated(3);
        QCOMPARE(text(w), QStringLiteral("[FONT=Courier]x[/FONT]"));
        Q_EMIT control<QComboBox>(w, "cmbFont")->activated(3);
        QCOMPARE(text(w), QStringLiteral("[FONT=Courier][FONT=Courier]x[/FONT][/FONT]"));
        w->post().setText(QString());
        Q_EMIT control<QComboBox>(w, "cmbColor")->activated(6);
        Q_EMIT control<QComboBox>(w, "cmbSize")->textActivated(QStringLiteral("Largest"));
        Q_EMIT control<QComboBox>(w, "cmbSize")->textActivated(QStringLiteral("Size"));
        QCOMPARE(text(w), QStringLiteral("[COLOR=gray][SIZE=14][/SIZE][/COLOR]"));
    }
};

QTEST_MAIN(TestFrmMainCopyPreview)
#include "tst_frmmain_copypreview.moc"
