#include "app/ui/frmmain.h"
#include "decorations/decorationcolours.h"
#include "decorations/ui/editordecorations.h"
#include "mainwindowfixture.h"
#include "readonlypath.h"
#include "testfiles.h"
#include "widgets/postedit.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace {

QStringList messagesAt(frmMain *w, qsizetype position)
{
    auto *engine = txtPost(w)->findChild<EditorDecorations *>();
    QStringList messages;
    for (const EditorDecorations::Found &found : engine->decorationsAt(position)) {
        if (!found.message.isEmpty())
            messages.append(found.message);
    }
    return messages;
}

bool idle(frmMain *w)
{
    return txtPost(w)->findChild<EditorDecorations *>()->isIdle();
}

QLabel *lengthLabel(frmMain *w)
{
    return w->findChild<QLabel *>(QStringLiteral("lblLength"));
}

// Opens the submenu as the user does, which reads forums.txt again.
QStringList entriesOf(frmMain *w)
{
    QMenu *submenu = menu(w, "mnuViewTargetForum");
    emit submenu->aboutToShow();
    QStringList entries;
    for (const QAction *entry : submenu->actions())
        entries.append(entry->text() + (entry->isChecked() ? QStringLiteral(" *") : QString()));
    return entries;
}

} // namespace

class TestForumCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void theSubmenuOffersEveryProfileAndStartsAtAnyForum()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        const QList<QAction *> view = menu(w, "mnuView")->actions();
        QCOMPARE(view.size(), 2);
        QVERIFY(view.at(0)->isSeparator());
        QCOMPARE(view.at(1)->text(), QStringLiteral("Target Forum"));
        QCOMPARE(entriesOf(w),
                 (QStringList{"Any Forum *", "phpBB 3.3", "vBulletin 4", "XenForo 2", "SMF 2.1",
                              "MyBB 1.8", "Discourse"}));
        // Nothing is written until the user chooses.
        QVERIFY(!f.folder.exists("prefs.txt") || !f.folder.read("prefs.txt").contains("[Forum]"));
    }

    void pickingPhpbbWarnsOfTheFontAndShowsItsLimit()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        txtPost(w)->insertPlainText(QStringLiteral("[FONT=Courier]x[/FONT] [spoiler]y[/spoiler]"));
        QTRY_VERIFY(idle(w) && messagesAt(w, 2).isEmpty());
        QCOMPARE(lengthLabel(w)->text(), QStringLiteral("43 characters"));

        action(w, "mnuViewTargetForum(0)")->trigger();
        QTRY_VERIFY(idle(w) && !messagesAt(w, 2).isEmpty());
        QCOMPARE(messagesAt(w, 2),
                 QStringList{QStringLiteral("phpBB shows [FONT] as text: leave the font out or "
                                            "pick another forum")});
        QCOMPARE(lengthLabel(w)->text(), QStringLiteral("43 of 60,000 characters"));
        QVERIFY(lengthLabel(w)->toolTip().isEmpty());
        QVERIFY(f.folder.read("prefs.txt").contains("[Forum]\r\nTarget=phpBB 3.3\r\n"));
        QCOMPARE(entriesOf(w).at(1), QStringLiteral("phpBB 3.3 *"));

        // A tag phpBB lacks as well is no warning to it: the preview's word stands alone.
        QVERIFY(messagesAt(w, 25).isEmpty());

        // Back to any forum: as before.
        action(w, "mnuViewTargetForumAny")->trigger();
        QTRY_VERIFY(idle(w) && messagesAt(w, 2).isEmpty());
        QCOMPARE(lengthLabel(w)->text(), QStringLiteral("43 characters"));
        QVERIFY(f.folder.read("prefs.txt").contains("[Forum]\r\nTarget=\r\n"));
    }

    void theChoiceIsKeptForTheNextStart()
    {
        MainWindowFixture f;
        f.folder.write("prefs.txt", "[Forum]\r\nTarget=smf 2.1\r\n");
        frmMain *w = f.open();
        QCOMPARE(lengthLabel(w)->text(), QStringLiteral("0 of 20,000 characters"));
        QCOMPARE(entriesOf(w).at(4), QStringLiteral("SMF 2.1 *"));
    }

    void pastTheLimitTheLabelWarnsAndSaysByHowMuch()
    {
        MainWindowFixture f;
        f.folder.write("forums.txt", "[Tiny]\r\nLimit=5\r\n");
        f.folder.write("prefs.txt", "[Forum]\r\nTarget=Tiny\r\n");
        frmMain *w = f.open();
        QLabel *label = lengthLabel(w);
        const QColor normal = label->palette().color(QPalette::WindowText);
        txtPost(w)->insertPlainText(QStringLiteral("12345"));
        QCOMPARE(label->text(), QStringLiteral("5 of 5 characters"));
        QVERIFY(label->toolTip().isEmpty());

        txtPost(w)->insertPlainText(QStringLiteral("678"));
        QCOMPARE(label->text(), QStringLiteral("8 of 5 characters"));
        QCOMPARE(label->toolTip(), QStringLiteral("3 over the limit"));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("8 of 5 characters"));
        QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("3 over the limit"));
        const QColor warning = label->palette().color(QPalette::WindowText);
        QVERIFY(warning != normal);
        QVERIFY(contrastRatio(warning, label->palette().color(QPalette::Window))
                >= DecorationColours::minimumLineContrast);

        txtPost(w)->clear();
        QVERIFY(label->toolTip().isEmpty());
        QCOMPARE(label->palette().color(QPalette::WindowText), normal);
    }

    void aDamagedLineIsReportedOnceAndTheRestStillCounts()
    {
        MainWindowFixture f;
        f.folder.write("forums.txt", "[Club]\r\nLimit=many\r\nTags=b spoiler\r\n");
        f.prompts.queueAnswer(MessageAnswer::Ok);
        frmMain *w = f.open();
        QCOMPARE(f.prompts.records.size(), 1);
        QVERIFY(f.prompts.records.first().text.contains(
            "Line 2 (Limit=many): the limit is a whole number of characters, 0 for none."));
        // Opening the submenu again reads the same file: no second report.
        QCOMPARE(entriesOf(w), (QStringList{"Any Forum *", "Club"}));
        QCOMPARE(f.prompts.records.size(), 1);

        // The user mends the file: the menu follows at its next opening.
        f.folder.write("forums.txt", "[Club]\r\nLimit=100\r\n[Other & Co]\r\n");
        QCOMPARE(entriesOf(w), (QStringList{"Any Forum *", "Club", "Other && Co"}));
        QCOMPARE(f.prompts.records.size(), 1);
    }

    void editingTheProfilesStartsFromTheBuiltInOnes()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QVERIFY(!f.folder.exists("forums.txt"));
        action(w, "mnuFileAdvEditForums")->trigger();
        QCOMPARE(f.folder.read("forums.txt"), readFile(":/data/forums.txt"));
        QCOMPARE(f.shell.requests.size(), 1);
        QCOMPARE(f.shell.requests[0].target, f.folder.path("forums.txt"));

        // The user's own file is never replaced.
        f.folder.write("forums.txt", "[Mine]\r\n");
        action(w, "mnuFileAdvEditForums")->trigger();
        QCOMPARE(f.folder.read("forums.txt"), QByteArray("[Mine]\r\n"));
        QCOMPARE(f.shell.requests.size(), 2);
    }

    void aCopyThatCannotBeWrittenIsReportedAndNothingOpens()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        ReadOnlyPath locked(f.folder.dataFolder());
        QVERIFY2(locked.isReadOnly(), qPrintable(locked.error()));
        f.prompts.queueAnswer(MessageAnswer::Ok);
        action(w, "mnuFileAdvEditForums")->trigger();
        QCOMPARE(f.prompts.reportTitles().size(), 1);
        QVERIFY(f.shell.requests.isEmpty());
    }
};

QTEST_MAIN(TestForumCommands)
#include "tst_forumcommands.moc"
