// The post generator's window over one data-folder fixture, from its layout and
// load failures to the field rules it runs.
#include "fakes.h"
#include "foundation/preferences.h"
#include "foundation/skin.h"
#include "foundation/wuxoerror.h"
#include "postgen/ui/frmnews.h"
#include "spokenname.h"
#include "testdatafolder.h"
#include "widgets/editortext.h"
#include "widgets/skinwidgets.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

class tst_frmNews : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneFieldPlacesTheButtons_data();
    void oneFieldPlacesTheButtons();
    void threeFieldsStack();
    void labelsEndBeforeTheFieldColumn();
    void controlsNamedTaggedAndSkinned();
    void loadFailures_data();
    void loadFailures();
    void enterMovesTheFocusOn();
    void enterInAMultiLineFieldKeepsTheBreak();
    void typedWwwIsCompletedWithTheCaretAtTheEnd();
    void pastedLinesAreJoined_data();
    void pastedLinesAreJoined();
    void urlFillsTheDerivedFields();
    void sourceThatIsNoNumberIsReportedAtEveryChange();
    void createFillsTheTemplate();
    void cancelAndTitleBarCloseCreateNothing_data();
    void cancelAndTitleBarCloseCreateNothing();
    void aThousandFieldsScrollWithinTheScreen();
    void largeTemplateLoadsAndFills();

private:
    std::unique_ptr<TestDataFolder> m_data;
    std::unique_ptr<ScriptedPrompts> m_prompts;
};

namespace {

const QByteArray sampleTags = "# sample\r\n"
                              "%TITLE%|Title|False|False|1|0|0\r\n"
                              "%URL%|Address|False|True|1|0|0\r\n"
                              "%SITE%|Site name|False|False|0|1|2\r\n"
                              "%HOME%|Site address|False|False|0|2|2\r\n"
                              "%TEXT%|Comment|True|False|2|0|0\r\n";
const QByteArray sampleTemplate = "# sample\r\n[B]%TITLE%[/B]\r\n[URL=%HOME%]%SITE%[/URL] %URL%\r\n"
                                  "\r\n%TEXT%";

QStringList errorTitles(const ScriptedPrompts &prompts)
{
    QStringList titles;
    for (const PromptRecord &record : prompts.records) {
        if (record.icon == MessageIcon::Critical)
            titles.append(record.title.mid(record.title.indexOf(QStringLiteral(" Error "))));
    }
    return titles;
}

QString text(frmNews &dialog, int index)
{
    return EditorText(dialog.txtField(index)).text();
}

} // namespace

void tst_frmNews::init()
{
    m_data = std::make_unique<TestDataFolder>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    prefs() = Preferences();
}

void tst_frmNews::cleanup()
{
    m_prompts.reset();
    m_data.reset();
}

void tst_frmNews::oneFieldPlacesTheButtons_data()
{
    QTest::addColumn<QByteArray>("multiLine");
    QTest::addColumn<int>("fieldHeight");
    QTest::addColumn<int>("okTop");

    QTest::newRow("single-line") << QByteArray("False") << 21 << 68;
    QTest::newRow("multi-line") << QByteArray("True") << 78 << 125;
}

void tst_frmNews::oneFieldPlacesTheButtons()
{
    QFETCH(QByteArray, multiLine);
    QFETCH(int, fieldHeight);
    QFETCH(int, okTop);
    m_data->write("tags.txt", "%A%|Only|" + multiLine + "|False|0|0|0\r\n");
    frmNews dialog;
    dialog.Form_Load();
    QCOMPARE(dialog.loadError(), 0);
    QCOMPARE(dialog.fieldCount(), 1);
    QCOMPARE(dialog.txtField(0)->geometry().top(), 35);
    QCOMPARE(dialog.txtField(0)->height(), fieldHeight);
    QCOMPARE(dialog.cmdOK()->y(), okTop);
    QCOMPARE(dialog.cmdCancel()->y(), okTop);
    QCOMPARE(dialog.height(), okTop + 26);
    QCOMPARE(dialog.findChild<SkinShape *>("shpButtons")->y(), dialog.height() - 30);
    QCOMPARE(dialog.picContainer()->geometry(), dialog.rect());
}

void tst_frmNews::threeFieldsStack()
{
    m_data->write("tags.txt", "%A%|A|0|0|0|0|0\r\n%B%|B|0|0|0|0|0\r\n%C%|C|0|0|0|0|0\r\n");
    frmNews dialog;
    dialog.Form_Load();
    QList<int> fieldTops;
    QList<int> labelTops;
    for (int i = 0; i < 3; ++i) {
        fieldTops.append(dialog.txtField(i)->y());
        labelTops.append(dialog.lblCaption(i)->y());
    }
    QCOMPARE(fieldTops, (QList<int>{35, 64, 93}));
    QCOMPARE(labelTops, (QList<int>{35, 66, 95}));
    QCOMPARE(dialog.cmdOK()->y(), 126);
    QCOMPARE(dialog.cmdOK()->x(), 205);
    QCOMPARE(dialog.cmdCancel()->x(), 289);
}

void tst_frmNews::labelsEndBeforeTheFieldColumn()
{
    m_data->write("tags.txt",
                  "%A%|Id|0|0|0|0|0\r\n%B%|A much longer caption|0|0|0|0|0\r\n"
                  "%C%|Medium one|0|0|0|0|0\r\n");
    frmNews dialog;
    dialog.Form_Load();
    QCOMPARE(dialog.width(), 575);
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Post Generator"));
    QCOMPARE(dialog.lblCaption(1)->text(), QStringLiteral("A much longer caption:"));
    QCOMPARE(dialog.lblCaption(1)->x(), 8);
    const int fieldLeft = dialog.txtField(0)->x();
    QCOMPARE(fieldLeft, dialog.lblCaption(1)->width() + 14);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(dialog.lblCaption(i)->geometry().right() + 1, fieldLeft - 6);
        QCOMPARE(dialog.txtField(i)->x(), fieldLeft);
        QCOMPARE(dialog.txtField(i)->geometry().right() + 1, 575 - 9);
    }
    QVERIFY(dialog.lblCaption(0)->width() < dialog.lblCaption(2)->width());
}

void tst_frmNews::controlsNamedTaggedAndSkinned()
{
    prefs().colors.SkinTextAreaB = 0x00112233;
    prefs().colors.SkinButtonB = 0x00445566;
    prefs().colors.SkinBackgroundF = 0x00000080;
    m_data->write("tags.txt", sampleTags);
    frmNews dialog;
    dialog.Form_Load();

    const QList<QPair<QString, QString>> tags{{"picContainer", "SkinBackgroundB"},
                                              {"shpHeaders", "SkinHeader"},
                                              {"lblHeaders", "SkinHeaderF"},
                                              {"lblCaption_0", "SkinBackgroundF"},
                                              {"lblCaption_4", "SkinBackgroundF"},
                                              {"txtField_0", "SkinTextArea"},
                                              {"txtField_4", "SkinTextArea"},
                                              {"shpButtons", "SkinButton"},
                                              {"cmdOK", "SkinButtonB"},
                                              {"cmdCancel", "SkinButtonB"}};
    for (const auto &[name, role] : tags) {
        QObject *control = dialog.findChild<QObject *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->property(Skin::tagProperty).toString(), role);
    }
    QCOMPARE(dialog.findChild<QLabel *>("lblHeaders")->text(),
             QStringLiteral("Enter the Required Information"));
    QCOMPARE(dialog.cmdOK()->text(), QStringLiteral("Create"));
    QCOMPARE(dialog.cmdCancel()->text(), QStringLiteral("Cancel"));
    QCOMPARE(dialog.txtField(4)->backColor(), 0x00112233);
    QCOMPARE(dialog.cmdOK()->backColor(), 0x00445566);
    QCOMPARE(dialog.lblCaption(4)->foreColor(), 0x00000080);
    // Each field is named by its label, for screen readers and for the label's shortcut.
    QCOMPARE(spokenName(dialog.txtField(2)), QStringLiteral("Site name:"));
    QCOMPARE(dialog.lblCaption(2)->buddy(), dialog.txtField(2));
    QCOMPARE(dialog.tmrAuto()->objectName(), QStringLiteral("tmrAuto"));
    QCOMPARE(dialog.tmrAuto()->interval(), 250);
    QVERIFY(!dialog.tmrAuto()->isActive());
}

void tst_frmNews::loadFailures_data()
{
    QTest::addColumn<QByteArray>("tags");
    QTest::addColumn<QByteArray>("templateText");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("definitions");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QString>("firstCaption");
    QTest::addColumn<QString>("templateLeft");

    const QByteArray two = "%A%|First|0|0|0|0|0\r\n%B%|Second|0|0|0|0|0\r\n";
    QTest::newRow("tags.txt missing")
        << QByteArray() << QByteArray("x") << 53 << 0 << 0 << "Caption:"
        << "";
    QTest::newRow("a line with six values") << two + "%C%|Third|0|0|0|0\r\n"
                                            << QByteArray("x") << 9 << 2 << 0 << "Caption:"
                                            << "";
    QTest::newRow("a flag that is none") << two + "%C%|Third|maybe|0|0|0|0\r\n"
                                         << QByteArray("x") << 13 << 2 << 0 << "Caption:"
                                         << "";
    QTest::newRow("AutoKind past 16 bits") << two + "%C%|Third|0|0|99999|0|0\r\n"
                                           << QByteArray("x") << 6 << 2 << 0 << "Caption:"
                                           << "";
    QTest::newRow("no definition lines")
        << QByteArray("# nothing\r\n\r\n") << QByteArray("x") << 9 << 0 << 0 << "Caption:"
        << "";
    QTest::newRow("template.txt missing") << two << QByteArray() << 53 << 2 << 2 << "First:"
                                          << "";
    QTest::newRow("template of comments only")
        << two << QByteArray("# a\r\n# b\r\n") << 5 << 2 << 2 << "First:"
        << "";
    QTest::newRow("both fine") << two << QByteArray("%A%\r\n") << 0 << 2 << 2 << "First:"
                               << "%A%";
}

void tst_frmNews::loadFailures()
{
    QFETCH(QByteArray, tags);
    QFETCH(QByteArray, templateText);
    QFETCH(int, error);
    QFETCH(int, definitions);
    QFETCH(int, fields);
    QFETCH(QString, firstCaption);
    QFETCH(QString, templateLeft);
    m_data->remove("tags.txt");
    m_data->remove("template.txt");
    if (!tags.isNull())
        m_data->write("tags.txt", tags);
    if (!templateText.isNull())
        m_data->write("template.txt", templateText);
    if (error != 0)
        m_prompts->queueAnswer(MessageAnswer::Ok);

    frmNews dialog;
    dialog.Form_Load();
    QCOMPARE(dialog.loadError(), error);
    const QStringList expectedReports = error == 0
        ? QStringList()
        : QStringList{QStringLiteral(" Error %1 in News_Load").arg(error)};
    QCOMPARE(errorTitles(*m_prompts), expectedReports);
    QCOMPARE(dialog.definitions().size(), definitions);
    QCOMPARE(dialog.fieldCount(), fields);
    QCOMPARE(dialog.lblCaption(0)->text(), firstCaption);
    QCOMPARE(dialog.templateText(), templateLeft);
    if (fields == 0) {
        // The design: one field and the buttons where they were drawn.
        QVERIFY(!dialog.txtField(1));
        QCOMPARE(dialog.txtField(0)->geometry(), QRect(59, 35, 506, 21));
        QCOMPARE(dialog.cmdOK()->y(), 118);
        QCOMPARE(dialog.height(), 144);
        QCOMPARE(dialog.filledTemplate(), QString());
        // Typing into the design field runs no rules and reports nothing.
        QTest::keyClicks(dialog.txtField(0), "www");
        QCOMPARE(text(dialog, 0), QStringLiteral("www"));
        QCOMPARE(errorTitles(*m_prompts).size(), 1);
    }
}

void tst_frmNews::enterMovesTheFocusOn()
{
    m_data->write("tags.txt", "%A%|A|0|0|0|0|0\r\n%B%|B|0|0|0|0|0\r\n");
    frmNews dialog;
    dialog.Form_Load();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.txtField(0)->setFocus();
    QTest::keyClicks(dialog.txtField(0), "ab");
    QTest::keyClick(dialog.txtField(0), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), dialog.txtField(1));
    QCOMPARE(text(dialog, 0), QStringLiteral("ab"));

    QTest::keyClick(dialog.txtField(1), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), dialog.cmdOK());
    QCOMPARE(text(dialog, 1), QString());
    // Create has the focus but was not pressed.
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.createdPost(), QString());
}

void tst_frmNews::enterInAMultiLineFieldKeepsTheBreak()
{
    m_data->write("tags.txt", "%A%|A|True|0|0|0|0\r\n%B%|B|0|0|0|0|0\r\n");
    frmNews dialog;
    dialog.Form_Load();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.txtField(0)->setFocus();
    QTest::keyClicks(dialog.txtField(0), "a");
    QTest::keyClick(dialog.txtField(0), Qt::Key_Return);
    QTest::keyClicks(dialog.txtField(0), "b");
    QCOMPARE(QApplication::focusWidget(), dialog.txtField(0));
    QCOMPARE(text(dialog, 0), QStringLiteral("a\r\nb"));
}

void tst_frmNews::typedWwwIsCompletedWithTheCaretAtTheEnd()
{
    m_data->write("tags.txt", sampleTags);
    frmNews dialog;
    dialog.Form_Load();
    QTest::keyClicks(dialog.txtField(1), "www.abc.org/x");
    QCOMPARE(text(dialog, 1), QStringLiteral("http://www.abc.org/x"));
    QCOMPARE(text(dialog, 2), QStringLiteral("ABC"));
    QCOMPARE(text(dialog, 3), QStringLiteral("http://www.abc.org"));

    // Capitals are not completed, and a field without the flag neither.
    QTest::keyClicks(dialog.txtField(0), "www");
    QCOMPARE(text(dialog, 0), QStringLiteral("www"));
    dialog.setFieldText(1, QString());
    QTest::keyClicks(dialog.txtField(1), "WWW");
    QCOMPARE(text(dialog, 1), QStringLiteral("WWW"));
    QVERIFY(m_prompts->records.isEmpty());
}

void tst_frmNews::pastedLinesAreJoined_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");

    QTest::newRow("CR LF") << "one\r\ntwo\r\n"
                           << "xonetwoy";
    QTest::newRow("a lone LF becomes a break in the field too") << "one\ntwo"
                                                                << "xonetwoy";
    QTest::newRow("a lone CR too") << "one\rtwo"
                                   << "xonetwoy";
}

void tst_frmNews::pastedLinesAreJoined()
{
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    m_data->write("tags.txt", sampleTags);
    frmNews dialog;
    dialog.Form_Load();
    QTest::keyClicks(dialog.txtField(0), "xy");
    EditorText field(dialog.txtField(0));
    field.setSelStart(1);
    dialog.txtField(0)->insertPlainText(pasted);
    QCOMPARE(field.text(), expected);
    // The caret stays after the pasted text.
    QCOMPARE(field.selStart(), expected.size() - 1);

    dialog.txtField(4)->insertPlainText(pasted);
    QVERIFY(text(dialog, 4).contains(QStringLiteral("\r\n")));
}

void tst_frmNews::urlFillsTheDerivedFields()
{
    m_data->write("tags.txt", sampleTags);
    frmNews dialog;
    dialog.Form_Load();
    dialog.setFieldText(1, QStringLiteral("http://news.example.org/today"));
    QCOMPARE(text(dialog, 2), QStringLiteral("News"));
    QCOMPARE(text(dialog, 3), QStringLiteral("http://news.example.org"));
    // A text that is no URL leaves them as they are.
    dialog.setFieldText(1, QStringLiteral("news.example.org"));
    QCOMPARE(text(dialog, 2), QStringLiteral("News"));
    QCOMPARE(text(dialog, 3), QStringLiteral("http://news.example.org"));
}

void tst_frmNews::sourceThatIsNoNumberIsReportedAtEveryChange()
{
    m_data->write("tags.txt", "%A%|A|0|0|0|0|0\r\n%B%|B|0|0|0|1|\r\n");
    frmNews dialog;
    dialog.Form_Load();
    QCOMPARE(dialog.loadError(), 0);
    m_prompts->queueAnswer(MessageAnswer::Ok);
    m_prompts->queueAnswer(MessageAnswer::Ok);
    QTest::keyClicks(dialog.txtField(0), "ab");
    QCOMPARE(errorTitles(*m_prompts),
             (QStringList{" Error 13 in News.txtField", " Error 13 in News.txtField"}));
    QCOMPARE(text(dialog, 0), QStringLiteral("ab"));
}

void tst_frmNews::createFillsTheTemplate()
{
    m_data->write("tags.txt", sampleTags);
    m_data->write("template.txt", sampleTemplate);
    frmNews dialog;
    dialog.Form_Load();
    dialog.setFieldText(0, QStringLiteral("News"));
    dialog.setFieldText(1, QStringLiteral("http://www.abc.com/a"));
    dialog.setFieldText(4, QStringLiteral("line 1\r\nline 2"));
    dialog.show();
    QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.createdPost(),
             QStringLiteral("[B]News[/B]\r\n[URL=http://www.abc.com]ABC[/URL] "
                            "http://www.abc.com/a\r\n\r\nline 1\r\nline 2"));
}

void tst_frmNews::cancelAndTitleBarCloseCreateNothing_data()
{
    QTest::addColumn<bool>("titleBar");
    QTest::newRow("Cancel") << false;
    QTest::newRow("title bar") << true;
}

void tst_frmNews::cancelAndTitleBarCloseCreateNothing()
{
    QFETCH(bool, titleBar);
    m_data->write("tags.txt", sampleTags);
    frmNews dialog;
    dialog.Form_Load();
    dialog.setFieldText(0, QStringLiteral("typed"));
    dialog.show();
    if (titleBar)
        dialog.close();
    else
        QTest::mouseClick(dialog.cmdCancel(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.createdPost(), QString());
}

void tst_frmNews::aThousandFieldsScrollWithinTheScreen()
{
    QByteArray tags;
    for (int i = 0; i < 1000; ++i)
        tags += QByteArray("%F") + QByteArray::number(i) + "%|Field " + QByteArray::number(i) + "|"
            + (i % 10 == 0 ? "True" : "False") + "|False|0|0|0\r\n";
    m_data->write("tags.txt", tags);
    frmNews dialog;
    dialog.Form_Load();
    QCOMPARE(dialog.loadError(), 0);
    QCOMPARE(dialog.fieldCount(), 1000);
    const int available = dialog.screen()->availableGeometry().height();
    QVERIFY(dialog.height() < available);
    QVERIFY(dialog.fieldArea());
    QCOMPARE(dialog.cmdOK()->y(), dialog.height() - 26);
    QVERIFY(dialog.txtField(999)->geometry().bottom() < dialog.fieldArea()->widget()->height());
    QVERIFY(dialog.txtField(999)->width() > 100);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.txtField(998)->setFocus();
    QTest::keyClick(dialog.txtField(998), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), dialog.txtField(999));
    QVERIFY(dialog.fieldArea()->verticalScrollBar()->value() > 0);
    const QRect shown = dialog.txtField(999)->geometry().translated(
        0, -dialog.fieldArea()->verticalScrollBar()->value());
    QVERIFY(dialog.fieldArea()->viewport()->rect().contains(shown));
}

void tst_frmNews::largeTemplateLoadsAndFills()
{
    m_data->write("tags.txt", sampleTags);
    QByteArray big = "# big\r\n";
    while (big.size() < 100 * 1024)
        big += "[B]%TITLE%[/B] and some ordinary words around it\r\n";
    m_data->write("template.txt", big);
    frmNews dialog;
    dialog.Form_Load();
    QCOMPARE(dialog.loadError(), 0);
    dialog.setFieldText(0, QStringLiteral("T"));
    const QString post = dialog.filledTemplate();
    QVERIFY(!post.contains(QStringLiteral("%TITLE%")));
    QCOMPARE(post.count(QStringLiteral("[B]T[/B]")), dialog.templateText().count("%TITLE%"));
}

QTEST_MAIN(tst_frmNews)
#include "tst_frmnews.moc"
