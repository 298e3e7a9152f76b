// The main window as it starts: design, branding, stored size and colours, the
// user menus, a second instance.
#include "app/ui/frmmain.h"
#include "foundation/errorreport.h"
#include "foundation/preferences.h"
#include "mainwindowfixture.h"
#include "spokenname.h"
#include "widgets/postedit.h"
#include "widgets/skinwidgets.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

// The captions of a menu's entries in order, "-" for a separator, hidden ones left out.
QStringList shownItems(const QMenu *menu)
{
    QStringList items;
    for (const QAction *action : menu->actions()) {
        if (action->isVisible())
            items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return items;
}

QStringList reportTitles(const ScriptedPrompts &prompts)
{
    QStringList titles;
    for (const PromptRecord &record : prompts.records) {
        if (record.icon == MessageIcon::Critical)
            titles.append(record.title);
    }
    return titles;
}

QString reportTitle(int number)
{
    return ErrorReport::title(QStringLiteral("Main.Load"), WuxoError(number));
}

} // namespace

class TestFrmMainStartup : public QObject
{
    Q_OBJECT

private slots:
    void aFirstStartWithTheShippedData()
    {
        MainWindowFixture f;
        frmMain *w = f.open();

        QCOMPARE(w->windowTitle(), QStringLiteral("Quorvel Wuxo"));
        QCOMPARE(w->appCaption(), QStringLiteral("Quorvel Wuxo"));
        QVERIFY(f.prompts.records.isEmpty());
        QCOMPARE(control<QComboBox>(w, "cmbFont")->currentText(), QStringLiteral("Font"));
        QCOMPARE(control<QComboBox>(w, "cmbSize")->currentText(), QStringLiteral("Size"));
        QCOMPARE(control<QComboBox>(w, "cmbColor")->currentText(), QStringLiteral("Color"));
        QCOMPARE(w->history().intHistoryPos(), qint16(99));
        QVERIFY(!action(w, "mnuFileLoadDraft")->isEnabled());
        QVERIFY(!action(w, "mnuFileSaveDraft")->isEnabled());
        QVERIFY(!w->blnPostChanged());
        QVERIFY(menu(w, "mnuInsert")->menuAction()->isVisible());
        QVERIFY(menu(w, "mnuWeb")->menuAction()->isVisible());
        QCOMPARE(w->webEntryValue(1), QStringLiteral("https://forum.example.org"));
        QCOMPARE(w->frameGeometry().size(), QSize(610, 367));
        QVERIFY(!control(w, "WebBrowser")->isVisible());
    }

    void theMenuBarAsDesigned()
    {
        MainWindowFixture f;
        frmMain *w = f.open();

        QStringList titles;
        for (const QAction *menu : w->menuBar()->actions())
            titles.append(menu->text());
        QCOMPARE(titles, (QStringList{"Wuxo", "Edit", "Insert", "Web", "View", "Help"}));
        QCOMPARE(shownItems(menu(w, "mnuFile")),
                 (QStringList{"Open Draft", "Save Draft", "-", "Post Generator (Manual)",
                              "Post Generator (Auto)", "-", "Preferences", "-", "Advanced", "-",
                              "Exit"}));
        QCOMPARE(shownItems(menu(w, "mnuFileAdv")),
                 (QStringList{"Edit insert.txt", "Edit web.txt", "Edit template.txt",
                              "Edit tags.txt", "Edit preview.txt", "Edit forums.txt"}));
        QCOMPARE(shownItems(menu(w, "mnuEdit")),
                 (QStringList{"Undo", "Redo", "-", "Cut", "Copy", "Paste", "Paste as BBCode", "-",
                              "Select All", "Clear All", "-", "Spelling"}));
        QCOMPARE(shownItems(menu(w, "mnuView")), (QStringList{"-", "Target Forum"}));
        QCOMPARE(shownItems(menu(w, "mnuHelp")),
                 (QStringList{"Read Me", "-", "Check for Update", "Quorvel on the Web", "-",
                              "Donate!", "About..."}));
        QCOMPARE(shownItems(menu(w, "mnuHelpWeb")),
                 (QStringList{"Quorvel Website", "Quorvel Forums", "E-mail Quorvel"}));

        const QList<std::pair<QAction *, QString>> shortcuts = {
            {action(w, "mnuFileLoadDraft"), "Ctrl+O"},
            {action(w, "mnuFileSaveDraft"), "Ctrl+S"},
            {action(w, "mnuEditUndo"), "Ctrl+Z"},
            {action(w, "mnuEditRedo"), "Ctrl+Y"},
            {action(w, "mnuEditCut"), "Ctrl+X"},
            {action(w, "mnuEditCopy"), "Ctrl+C"},
            {action(w, "mnuEditPaste"), "Ctrl+V"},
            {action(w, "mnuEditSelectAll"), "Ctrl+A"},
            {action(w, "mnuEditClearAll"), "Ctrl+D"},
            {action(w, "mnuInsertUser(0)"), "Ctrl+N"},
            {action(w, "mnuFileExit"), ""},
            {action(w, "mnuHelpReadMe"), ""},
        };
        for (const auto &[item, keys] : shortcuts)
            QCOMPARE(item->shortcut().toString(QKeySequence::PortableText), keys);
    }

    void controlsAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tag");

        QTest::newRow("lblHeaders(0)") << "lblHeaders(0)" << QRect(5, 6, 85, 13) << "Code Buttons"
                                       << "SkinHeaderF";
        QTest::newRow("lblHeaders(1)") << "lblHeaders(1)" << QRect(5, 93, 71, 13) << "Post Editor"
                                       << "SkinHeaderF";
        QTest::newRow("lblHeaders(2)")
            << "lblHeaders(2)" << QRect(355, 6, 98, 13) << "Post Generator"
            << "SkinHeaderF";
        QTest::newRow("cmdBold") << "cmdBold" << QRect(5, 31, 29, 22) << "B"
                                 << "SkinBackgroundB";
        QTest::newRow("cmdItalic") << "cmdItalic" << QRect(36, 31, 29, 22) << "I"
                                   << "SkinBackgroundB";
        QTest::newRow("cmdUnderlined") << "cmdUnderlined" << QRect(67, 31, 29, 22) << "U"
                                       << "SkinBackgroundB";
        QTest::newRow("cmbFont") << "cmbFont" << QRect(101, 32, 76, 21) << "Font"
                                 << "";
        QTest::newRow("cmbSize") << "cmbSize" << QRect(181, 32, 76, 21) << "Size"
                                 << "";
        QTest::newRow("cmbColor") << "cmbColor" << QRect(261, 32, 76, 21) << "Color"
                                  << "";
        QTest::newRow("cmdNewsManual") << "cmdNewsManual" << QRect(355, 32, 65, 22) << "Manual"
                                       << "SkinBackgroundB";
        QTest::newRow("cmdNewsAuto") << "cmdNewsAuto" << QRect(422, 32, 65, 22) << "Auto"
                                     << "SkinBackgroundB";
        QTest::newRow("cmdURL") << "cmdURL" << QRect(5, 60, 54, 22) << "URL"
                                << "SkinBackgroundB";
        QTest::newRow("cmdImage") << "cmdImage" << QRect(61, 60, 54, 22) << "Image"
                                  << "SkinBackgroundB";
        QTest::newRow("cmdEmail") << "cmdEmail" << QRect(117, 60, 54, 22) << "E-mail"
                                  << "SkinBackgroundB";
        QTest::newRow("cmdQuote") << "cmdQuote" << QRect(173, 60, 54, 22) << "Quote"
                                  << "SkinBackgroundB";
        QTest::newRow("cmdCode") << "cmdCode" << QRect(229, 60, 54, 22) << "Code"
                                 << "SkinBackgroundB";
        QTest::newRow("cmdList") << "cmdList" << QRect(285, 60, 54, 22) << "List"
                                 << "SkinBackgroundB";
        QTest::newRow("Line1") << "Line1" << QRect(347, 0, 1, 87) << ""
                               << "SkinOutline";
    }

    void controlsAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(QString, tag);

        MainWindowFixture f;
        frmMain *w = f.open();
        auto *widget = w->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget(), control<SkinPanel>(w, "picContainer"));
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(spokenName(widget), caption);
        QCOMPARE(widget->property("Tag").toString(), tag);
    }

    void fontsTooltipsAndListItems()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QCOMPARE(control<SkinButton>(w, "cmdBold")->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(control<SkinButton>(w, "cmdBold")->font().pointSizeF(), 8.25);
        QVERIFY(control<SkinButton>(w, "cmdBold")->font().bold());
        QVERIFY(control<SkinButton>(w, "cmdItalic")->font().italic());
        QVERIFY(control<SkinButton>(w, "cmdUnderlined")->font().underline());
        QVERIFY(control<SkinLabel>(w, "lblHeaders(1)")->font().bold());
        QCOMPARE(txtPost(w)->font().pointSizeF(), 9.0);
        QCOMPARE(control<SkinButton>(w, "cmdNewsManual")->toolTip(),
                 QStringLiteral("Post generator (manual)"));
        QCOMPARE(control<SkinButton>(w, "cmdNewsAuto")->toolTip(),
                 QStringLiteral("Post generator (auto)"));
        QCOMPARE(control<SkinButton>(w, "cmdCopy")->toolTip(),
                 QStringLiteral("Copy post to the clipboard"));
        QCOMPARE(control<SkinButton>(w, "cmdPreview")->text(), QStringLiteral("Preview Post"));
        QCOMPARE(control<QComboBox>(w, "cmbSize")->count(), 4);
        QCOMPARE(control<QComboBox>(w, "cmbColor")->itemText(7), QStringLiteral("Green"));
        QCOMPARE(control<QComboBox>(w, "cmbFont")->itemText(6), QStringLiteral("Optima"));
        QCOMPARE(txtPost(w)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!txtPost(w)->isUndoRedoEnabled());
    }

    void aSecondInstanceIsRefusedWithoutTouchingTheDataFolder()
    {
        MainWindowFixture f;
        QVERIFY(QDir(f.folder.dataFolder()).removeRecursively());
        f.lock.free = false;
        f.prompts.queueAnswer(MessageAnswer::Ok);
        frmMain *w = f.create();

        QVERIFY(w->refusedSecondInstance());
        QCOMPARE(f.prompts.records.size(), 1);
        const PromptRecord &box = f.prompts.records.constFirst();
        QCOMPARE(box.text,
                 QStringLiteral("Wuxo is already running. Please close the other "
                                "instance before starting Wuxo again."));
        QCOMPARE(box.title, QStringLiteral("Wuxo Error"));
        QCOMPARE(box.icon, MessageIcon::Exclamation);
        QCOMPARE(box.buttons, MessageButtons::Ok);
        QVERIFY(!QDir(f.folder.dataFolder()).exists());
    }

    void aMissingDataFolderIsCreatedAndFilled()
    {
        MainWindowFixture f;
        QVERIFY(QDir(f.folder.dataFolder()).removeRecursively());
        frmMain *w = f.create();
        QVERIFY(!w->refusedSecondInstance());
        QVERIFY(f.folder.exists(QStringLiteral("insert.txt")));
        QVERIFY(menu(w, "mnuInsert")->menuAction()->isVisible());
    }

    void branding_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("fileMenu");
        QTest::addColumn<bool>("postGenerator");

        const QStringList full{"Open Draft",
                               "Save Draft",
                               "-",
                               "Post Generator (Manual)",
                               "Post Generator (Auto)",
                               "-",
                               "Preferences",
                               "-",
                               "Advanced",
                               "-",
                               "Exit"};
        QTest::newRow("no branding") << QByteArray() << "Quorvel Wuxo" << full << true;
        QTest::newRow("a name") << QByteArray("Name=Forum Helper\r\n")
                                << "Forum Helper  [Quorvel Wuxo]" << full << true;
        QTest::newRow("an empty name") << QByteArray("Name=\r\n") << "Quorvel Wuxo" << full << true;
        QTest::newRow("no post generator")
            << QByteArray("DisablePostGen=True\r\n") << "Quorvel Wuxo"
            << QStringList{"Open Draft", "Save Draft", "-", "Preferences",
                           "-",          "Advanced",   "-", "Exit"}
            << false;
        QTest::newRow("no preferences") << QByteArray("DisablePrefs=True\r\n") << "Quorvel Wuxo"
                                        << QStringList{"Open Draft",
                                                       "Save Draft",
                                                       "-",
                                                       "Post Generator (Manual)",
                                                       "Post Generator (Auto)",
                                                       "-",
                                                       "Advanced",
                                                       "-",
                                                       "Exit"}
                                        << true;
        QTest::newRow("no advanced") << QByteArray("DisableAdvanced=True\r\n") << "Quorvel Wuxo"
                                     << QStringList{"Open Draft",
                                                    "Save Draft",
                                                    "-",
                                                    "Post Generator (Manual)",
                                                    "Post Generator (Auto)",
                                                    "-",
                                                    "Preferences",
                                                    "-",
                                                    "Exit"}
                                     << true;
        QTest::newRow("all three disabled")
            << QByteArray("DisablePostGen=True\r\nDisablePrefs=True\r\nDisableAdvanced=True\r\n")
            << "Quorvel Wuxo" << QStringList{"Open Draft", "Save Draft", "-", "Exit"} << false;
        QTest::newRow("a value that is not true disables nothing")
            << QByteArray("DisablePrefs=maybe\r\n") << "Quorvel Wuxo" << full << true;
    }

    void branding()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, caption);
        QFETCH(QStringList, fileMenu);
        QFETCH(bool, postGenerator);

        MainWindowFixture f;
        f.folder.write(QStringLiteral("prefs.txt"), "[Branding]\r\n" + section);
        frmMain *w = f.open();
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->appCaption(), caption);
        QCOMPARE(shownItems(menu(w, "mnuFile")), fileMenu);
        QCOMPARE(control<SkinButton>(w, "cmdNewsManual")->isVisible(), postGenerator);
        QCOMPARE(control<SkinButton>(w, "cmdNewsAuto")->isVisible(), postGenerator);
        QCOMPARE(control<SkinLine>(w, "Line1")->isVisible(), postGenerator);
        QCOMPARE(control<SkinLabel>(w, "lblHeaders(2)")->isVisible(), postGenerator);
        QVERIFY(control<SkinLabel>(w, "lblHeaders(0)")->isVisible());
        QVERIFY(f.prompts.records.isEmpty());
    }

    void theStoredWindowSize()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("prefs.txt"),
                       "[Visual]\r\nMainWidth=12000\r\nMainHeight=6000.4\r\n");
        frmMain *w = f.open();
        QCOMPARE(w->frameGeometry().size(), QSize(800, 400));
    }

    void aWindowSizeThatIsNoNumberStopsTheStartUp_data()
    {
        QTest::addColumn<QByteArray>("width");
        QTest::addColumn<int>("error");
        QTest::newRow("letters") << QByteArray("abc") << 13;
        QTest::newRow("far too wide") << QByteArray("1e30") << 6;
        QTest::newRow("negative") << QByteArray("-150") << 380;
    }

    void aWindowSizeThatIsNoNumberStopsTheStartUp()
    {
        QFETCH(QByteArray, width);
        QFETCH(int, error);

        MainWindowFixture f;
        f.folder.write(QStringLiteral("prefs.txt"),
                       "[Branding]\r\nName=Mine\r\n[Visual]\r\nMainWidth=" + width + "\r\n");
        f.folder.write(QStringLiteral("draft.txt"), "kept\r\n");
        f.prompts.queueAnswer(MessageAnswer::Ok);
        frmMain *w = f.open();

        QCOMPARE(reportTitles(f.prompts), QStringList{reportTitle(error)});
        QVERIFY(f.folder.read(QStringLiteral("ErrorLog.txt")).contains(" in Main.Load - "));
        // What ran before the size stays; nothing after it ran.
        QCOMPARE(w->windowTitle(), QStringLiteral("Mine  [Quorvel Wuxo]"));
        QVERIFY(!menu(w, "mnuInsert")->menuAction()->isVisible());
        QVERIFY(!menu(w, "mnuWeb")->menuAction()->isVisible());
        QVERIFY(!action(w, "mnuFileLoadDraft")->isEnabled());
        QCOMPARE(w->frameGeometry().size(), QSize(610, 367));
    }

    void storedColoursAreApplied()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("prefs.txt"),
                       "[Preferences]\r\nSkinButtonB=255\r\nSkinOutlineF=65280\r\n");
        frmMain *w = f.open();
        QCOMPARE(prefs().colors.SkinButtonB, 255);
        QCOMPARE(control<SkinButton>(w, "cmdCopy")->backColor(), 255);
        QCOMPARE(control<SkinShape>(w, "shpButtons")->backColor(), 255);
        QCOMPARE(control<SkinLine>(w, "Line1")->borderColor(), 65280);
        QCOMPARE(control<SkinShape>(w, "shpHeaders(1)")->borderColor(), 65280);
        QCOMPARE(control<SkinButton>(w, "cmdBold")->backColor(), 0x00F7F2EE);
        QCOMPARE(prefs().CopyMinimize, 1);
        QCOMPARE(prefs().colors.SkinTextAreaB, qint32(0x80000005u));
    }

    void aMissingInsertFileLeavesBothMenusHidden()
    {
        MainWindowFixture f;
        f.folder.remove(QStringLiteral("insert.txt"));
        f.prompts.queueAnswer(MessageAnswer::Ok);
        frmMain *w = f.open();
        QCOMPARE(reportTitles(f.prompts), QStringList{reportTitle(53)});
        QVERIFY(!menu(w, "mnuInsert")->menuAction()->isVisible());
        QVERIFY(!menu(w, "mnuWeb")->menuAction()->isVisible());
        QVERIFY(!action(w, "mnuInsertUser(0)")->isEnabled());
    }

    void aMalformedWebLineKeepsTheEntriesBeforeIt()
    {
        MainWindowFixture f;
        f.folder.write(
            QStringLiteral("web.txt"),
            "# links\r\nOne|http://one.example\r\n-\r\nno bar here\r\nTwo|http://two\r\n");
        f.folder.write(QStringLiteral("draft.txt"), "x\r\n");
        f.prompts.queueAnswer(MessageAnswer::Ok);
        frmMain *w = f.open();
        QCOMPARE(reportTitles(f.prompts), QStringList{reportTitle(9)});
        QVERIFY(menu(w, "mnuInsert")->menuAction()->isVisible());
        QVERIFY(menu(w, "mnuWeb")->menuAction()->isVisible());
        QCOMPARE(menu(w, "mnuWeb")->actions().size(), 2);
        QCOMPARE(action(w, "mnuWebURL(0)")->text(), QStringLiteral("One"));
        QVERIFY(action(w, "mnuWebURL(1)")->isSeparator());
        QVERIFY(!action(w, "mnuFileLoadDraft")->isEnabled());
    }

    void anExistingDraftEnablesOpenDraft()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("draft.txt"), "saved\r\n");
        frmMain *w = f.open();
        QVERIFY(action(w, "mnuFileLoadDraft")->isEnabled());
        QVERIFY(!action(w, "mnuFileSaveDraft")->isEnabled());
    }

    void theWindowOpensCentred()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        const QRect available = w->screen()->availableGeometry();
        const QPoint offset = w->frameGeometry().center() - available.center();
        QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
                 qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }
};

QTEST_MAIN(TestFrmMainStartup)
#include "tst_frmmain_startup.moc"
