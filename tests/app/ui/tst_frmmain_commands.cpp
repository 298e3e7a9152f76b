#include "app/ui/frmmain.h"
#include "dialogs/helptargets.h"
#include "mainwindowfixture.h"
#include "spokenname.h"
#include "widgets/postedit.h"
#include "widgets/skinwidgets.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace {

const QString closeQuestion
    = QStringLiteral("Current post hasn't been copied or saved. Save before exiting?");

} // namespace

class TestFrmMainCommands : public QObject
{
    Q_OBJECT

private slots:
    void anEmptyPostClosesWithoutAQuestion()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("abc"));
        action(w, "mnuEditClearAll")->trigger();
        QVERIFY(w->blnPostChanged());
        QVERIFY(w->close());
        QVERIFY(f.prompts.records.isEmpty());
    }

    void aSavedPostClosesWithoutAQuestion()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("abc"));
        action(w, "mnuFileSaveDraft")->trigger();
        QVERIFY(w->close());
        QVERIFY(f.prompts.records.isEmpty());
    }

    void cancelKeepsTheWindowOpen()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("abc"));
        f.prompts.queueAnswer(MessageAnswer::Cancel);
        action(w, "mnuFileExit")->trigger();

        QCOMPARE(f.prompts.records.size(), 1);
        const PromptRecord &box = f.prompts.records[0];
        QCOMPARE(box.text, closeQuestion);
        QCOMPARE(box.title, QStringLiteral("Save Draft?"));
        QCOMPARE(box.icon, MessageIcon::None);
        QCOMPARE(box.buttons, MessageButtons::YesNoCancel);
        QVERIFY(w->isVisible());
        QVERIFY(!f.folder.exists(QStringLiteral("draft.txt")));
        QVERIFY(!f.folder.exists(QStringLiteral("prefs.txt")));
    }

    void noClosesWithoutSaving()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("abc"));
        f.prompts.queueAnswer(MessageAnswer::No);
        QVERIFY(w->close());
        QVERIFY(!w->isVisible());
        QVERIFY(!f.folder.exists(QStringLiteral("draft.txt")));
    }

    void yesSavesTheDraftThenCloses()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("abc"));
        f.prompts.queueAnswer(MessageAnswer::Yes);
        QVERIFY(w->close());
        QCOMPARE(f.folder.read(QStringLiteral("draft.txt")), QByteArray("abc\r\n"));
    }

    void yesWithADraftThatCannotBeSavedKeepsTheWindowOpen()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("precious"));
        QDir().mkdir(f.folder.path(QStringLiteral("draft.txt")));
        f.prompts.queueAnswer(MessageAnswer::Yes);
        f.prompts.queueAnswer(MessageAnswer::Ok); // the failed save is reported
        QVERIFY(!w->close());

        QCOMPARE(f.prompts.records.size(), 2);
        QVERIFY(f.prompts.records[1].title.endsWith(QStringLiteral(" in Main.SaveDraft")));
        QVERIFY(w->isVisible());
        QVERIFY(w->blnPostChanged());
        QCOMPARE(w->post().text(), QStringLiteral("precious"));
    }

    void closingStoresTheOuterSizeInTwips()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        const QSize frame = w->frameGeometry().size() - w->size();
        w->resize(QSize(700, 450) - frame);
        QVERIFY(w->close());
        QCOMPARE(f.folder.read(QStringLiteral("prefs.txt")),
                 QByteArray("[Visual]\r\nMainWidth=10500\r\nMainHeight=6750\r\n"));
    }

    void closingMinimizedKeepsTheStoredSize()
    {
        MainWindowFixture f;
        const QByteArray stored = "[Visual]\r\nMainWidth=12000\r\nMainHeight=6000\r\n";
        f.folder.write(QStringLiteral("prefs.txt"), stored);
        frmMain *w = f.open();
        w->showMinimized();
        QTRY_VERIFY(w->isMinimized());
        QVERIFY(w->close());
        QCOMPARE(f.folder.read(QStringLiteral("prefs.txt")), stored);
    }

    void f1OpensTheReadMeFromAnyControl_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("the editor") << "txtPost" << int(Qt::NoModifier);
        QTest::newRow("a button") << "cmdBold" << int(Qt::NoModifier);
        QTest::newRow("a list") << "cmbSize" << int(Qt::NoModifier);
        QTest::newRow("with Ctrl and Shift")
            << "txtPost" << int(Qt::ControlModifier | Qt::ShiftModifier);
    }

    void f1OpensTheReadMeFromAnyControl()
    {
        QFETCH(QString, control);
        QFETCH(int, modifiers);
        MainWindowFixture f;
        frmMain *w = f.open();
        auto *target = w->findChild<QWidget *>(control);
        QVERIFY(target);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F1, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.shell.targets(), QStringList{HelpTargets::readMe()});
        QCOMPARE(w->post().text(), QString());
    }

    void menuCommandsOpenTheirTargets_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("data");

        QTest::newRow("Read Me") << "mnuHelpReadMe"
                                 << ""
                                 << ""
                                 << "";
        QTest::newRow("Check for Update") << "mnuHelpUpdate" << HelpTargets::update() << ""
                                          << "";
        QTest::newRow("Website") << "mnuHelpWebQuorvel" << HelpTargets::website() << ""
                                 << "";
        QTest::newRow("Forums") << "mnuHelpWebForums" << HelpTargets::forums() << ""
                                << "";
        QTest::newRow("E-mail") << "mnuHelpWebEmail" << HelpTargets::emailMenu() << ""
                                << "";
        QTest::newRow("Donate!") << "mnuHelpDonate" << HelpTargets::donate() << "Open"
                                 << "";
        QTest::newRow("Edit insert.txt") << "mnuFileAdvEditInsert"
                                         << ""
                                         << ""
                                         << "insert.txt";
        QTest::newRow("Edit web.txt") << "mnuFileAdvEditWeb"
                                      << ""
                                      << ""
                                      << "web.txt";
        QTest::newRow("Edit template.txt") << "mnuFileAdvEditTemplate"
                                           << ""
                                           << ""
                                           << "template.txt";
        QTest::newRow("Edit tags.txt") << "mnuFileAdvEditTags"
                                       << ""
                                       << ""
                                       << "tags.txt";
        QTest::newRow("Edit preview.txt") << "mnuFileAdvEditPreview"
                                          << ""
                                          << ""
                                          << "preview.txt";
        QTest::newRow("Edit forums.txt") << "mnuFileAdvEditForums"
                                         << ""
                                         << ""
                                         << "forums.txt";
    }

    void menuCommandsOpenTheirTargets()
    {
        QFETCH(QString, item);
        QFETCH(QString, target);
        QFETCH(QString, verb);
        QFETCH(QString, data);
        MainWindowFixture f;
        frmMain *w = f.open();
        // Paths lie in the test's program folder, known only now.
        if (!data.isEmpty())
            target = f.folder.path(data);
        else if (target.isEmpty())
            target = HelpTargets::readMe();
        auto *action = w->findChild<QAction *>(item);
        QVERIFY(action);
        action->trigger();
        QCOMPARE(f.shell.requests.size(), 1);
        QCOMPARE(f.shell.requests[0].target, target);
        QCOMPARE(f.shell.requests[0].verb, verb);
    }

    void aboutAndPreferencesOpenModal()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QStringList opened;
        const auto closeWhenShown = [&] {
            QTimer::singleShot(0, w, [&] {
                if (QWidget *modal = QApplication::activeModalWidget()) {
                    opened.append(QString::fromLatin1(modal->metaObject()->className()));
                    modal->close();
                }
            });
        };
        closeWhenShown();
        action(w, "mnuHelpAbout")->trigger();
        closeWhenShown();
        action(w, "mnuFilePrefs")->trigger();
        QCOMPARE(opened, (QStringList{"frmAbout", "frmPrefs"}));
        QVERIFY(f.shell.requests.isEmpty());
    }

    void thePostGeneratorAsksBeforeClearingThePost()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("mine"));
        f.prompts.queueAnswer(MessageAnswer::Cancel);
        control<SkinButton>(w, "cmdNewsManual")->click();
        QCOMPARE(f.prompts.titles(), QStringList{"New Post"});
        QCOMPARE(w->post().text(), QStringLiteral("mine"));
    }

    void closingEndsAnAutomaticRun()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        action(w, "mnuFileNewsAuto")->trigger();
        QCOMPARE(action(w, "mnuFileNewsAuto")->text(), QStringLiteral("Cancel Auto Mode"));
        QCOMPARE(control<SkinButton>(w, "cmdNewsAuto")->text(), QStringLiteral("Cancel"));
        QCOMPARE(spokenName(control<SkinButton>(w, "cmdNewsAuto")), QStringLiteral("Cancel"));
        QVERIFY(w->close());
        QCOMPARE(action(w, "mnuFileNewsAuto")->text(), QStringLiteral("Post Generator (Auto)"));
        QCOMPARE(control<SkinButton>(w, "cmdNewsAuto")->text(), QStringLiteral("Auto"));
        QCOMPARE(spokenName(control<SkinButton>(w, "cmdNewsAuto")), QStringLiteral("Auto"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Quorvel Wuxo"));
    }

    void resizingTheWindowLaysItOut()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        const QSize extra = w->size() - w->centralWidget()->size();
        w->resize(QSize(600, 400) + extra);
        QTRY_COMPARE(w->centralWidget()->size(), QSize(600, 400));
        QCOMPARE(control<SkinPanel>(w, "picContainer")->geometry(), QRect(0, 1, 602, 400));
        QCOMPARE(txtPost(w)->geometry(), QRect(5, 118, 590, 246));
        QCOMPARE(control<SkinShape>(w, "shpButtons")->geometry(), QRect(0, 369, 600, 30));
        QCOMPARE(control<SkinShape>(w, "shpHeaders(0)")->width(), 600);
        QCOMPARE(control<SkinButton>(w, "cmdCopy")->pos(), QPoint(208, 374));
        QCOMPARE(control<SkinButton>(w, "cmdPreview")->pos(), QPoint(301, 374));
        QCOMPARE(control(w, "WebBrowser")->geometry(), QRect(5, 118, 590, 246));
        QCOMPARE(w->layoutGeometry().webBrowser, QRect(5, 118, 590, 246));
        QCOMPARE(control<SkinButton>(w, "cmdBold")->pos(), QPoint(5, 31));

        w->resize(QSize(550, 362) + extra);
        QTRY_COMPARE(w->centralWidget()->size(), QSize(550, 362));
        QCOMPARE(txtPost(w)->size(), QSize(540, 208));
        QCOMPARE(control<SkinButton>(w, "cmdCopy")->pos(), QPoint(183, 336));
        QCOMPARE(control<SkinButton>(w, "cmdPreview")->pos(), QPoint(276, 336));
    }

    void minimizingChangesNoLayout()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        const MainGeometry before = w->layoutGeometry();
        w->showMinimized();
        QTRY_VERIFY(w->isMinimized());
        w->showNormal();
        QTRY_VERIFY(!w->isMinimized());
        QCOMPARE(w->layoutGeometry(), before);
    }
};

QTEST_MAIN(TestFrmMainCommands)
#include "tst_frmmain_commands.moc"
