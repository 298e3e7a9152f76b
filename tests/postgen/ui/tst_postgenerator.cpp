// The post generator's manual and automatic runs, over one fake host and its
// checks; the automatic run's cases read as one sequence.
#include "fakes.h"
#include "foundation/preferences.h"
#include "postgen/ui/frmnews.h"
#include "postgen/ui/postgenerator.h"
#include "postgen/ui/postgeneratorhost.h"
#include "testdatafolder.h"
#include "widgets/skinwidgets.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// The main window as the generator sees it: a post with a caret and selection,
// the window caption and the captions of the automatic-mode entries.
class FakeHost : public PostGeneratorHost
{
public:
    QString post;
    int selStart = 0;
    int selLength = 0;
    bool postChanged = true;
    QString caption = QStringLiteral("Quorvel Wuxo");
    QStringList captions;
    QList<bool> autoCaptions;
    int restores = 0;
    QStringList inserted;
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();

    QString postText() const override { return post; }
    void clearPost() override
    {
        post.clear();
        selStart = selLength = 0;
        postChanged = false;
    }
    void moveCaretToEnd() override
    {
        selStart = int(post.size());
        selLength = 0;
    }
    void replaceSelection(const QString &text) override
    {
        post.replace(selStart, selLength, text);
        selStart += int(text.size());
        selLength = 0;
        inserted.append(text);
    }
    void setCaption(const QString &text) override
    {
        caption = text;
        captions.append(text);
    }
    QString appCaption() const override { return QStringLiteral("Quorvel Wuxo"); }
    void setAutoCaptions(bool running) override { autoCaptions.append(running); }
    void restoreWindowState() override { ++restores; }
    QWidget *hostWindow() const override { return window.get(); }
};

const QByteArray sampleTags = "%TITLE%|Title|False|False|1|0|0\r\n"
                              "%URL%|Address|False|True|1|0|0\r\n"
                              "%SITE%|Site|False|False|0|1|2\r\n"
                              "%HOME%|Home|False|False|0|2|2\r\n"
                              "%TEXT%|Comment|True|False|2|0|0\r\n";
const QByteArray sampleTemplate = "[B]%TITLE%[/B] [URL=%HOME%]%SITE%[/URL]\r\n%URL%\r\n%TEXT%";

QStringList errorTitles(const ScriptedPrompts &prompts)
{
    QStringList titles;
    for (const PromptRecord &record : prompts.records) {
        if (record.icon == MessageIcon::Critical)
            titles.append(record.title.mid(record.title.indexOf(QStringLiteral(" Error "))));
    }
    return titles;
}

int inputPrompts(const ScriptedPrompts &prompts)
{
    return int(std::count_if(
        prompts.records.cbegin(), prompts.records.cend(),
        [](const PromptRecord &record) { return record.kind == PromptRecord::Input; }));
}

} // namespace

class tst_PostGenerator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void manualAsksBeforeOpening_data();
    void manualAsksBeforeOpening();
    void manualCancelAndTitleBarCloseInsertNothing_data();
    void manualCancelAndTitleBarCloseInsertNothing();
    void manualWithoutDefinitionsInsertsNothing();
    void autoStartAsksAndClearsTheClipboard_data();
    void autoStartAsksAndClearsTheClipboard();
    void runFillsTheTemplateIntoThePost();
    void runEndsAtThePostsCaret();
    void passedFieldsTakeOneTickEach();
    void unknownKindWaitsUntilCancelled();
    void clipboardWithoutTakeableTextWaits_data();
    void clipboardWithoutTakeableTextWaits();
    void sameTextCopiedTwiceFillsTwoFields();
    void cancelInsertsNothing_data();
    void cancelInsertsNothing();
    void noRunWithoutDefinitions();
    void onePromptPerInputFieldWhileTicksFire();
    void cancelWhileThePromptIsOpen();
    void manualCommandWaitsForTheRun();
    void fieldRuleFailuresAreReportedAndTheRunGoesOn();
    void timerDrivesTheRun();

    void copiesBesideAClipboardManager_data();
    void copiesBesideAClipboardManager();
    void waylandWithoutXWaylandSaysCopiesCannotBeSeen();

private:
    // Acts on the modal dialog once it is open; a missing dialog fails the test.
    void whenDialogOpens(std::function<void(frmNews *)> act);
    // The user copies in another program, a while after whatever came before.
    void copy(const QString &text)
    {
        m_now += 2000;
        m_clipboard->copy(text);
    }
    std::unique_ptr<FakeClipboard> m_clipboard;
    qint64 m_now = 0;
    std::unique_ptr<TestDataFolder> m_data;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<PostGenerator> m_generator;
    bool m_dialogMissing = false;
};

void tst_PostGenerator::init()
{
    m_data = std::make_unique<TestDataFolder>();
    m_data->write("tags.txt", sampleTags);
    m_data->write("template.txt", sampleTemplate);
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_host = std::make_unique<FakeHost>();
    m_generator = std::make_unique<PostGenerator>(m_host.get());
    m_clipboard = std::make_unique<FakeClipboard>();
    m_now = 0;
    m_generator->setClock([this] { return m_now; });
    m_dialogMissing = false;
}

void tst_PostGenerator::cleanup()
{
    m_generator.reset();
    m_host.reset();
    m_prompts.reset();
    m_clipboard.reset();
    m_data.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_PostGenerator::whenDialogOpens(std::function<void(frmNews *)> act)
{
    QTimer::singleShot(0, this, [this, act] {
        auto *dialog = qobject_cast<frmNews *>(QApplication::activeModalWidget());
        if (!dialog) {
            m_dialogMissing = true;
            return;
        }
        act(dialog);
    });
}

void tst_PostGenerator::manualAsksBeforeOpening_data()
{
    QTest::addColumn<QString>("post");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("result");

    const QString made = QStringLiteral("[B]T[/B] [URL=]ABC[/URL]\r\nhttp://www.abc.com\r\n");
    QTest::newRow("empty post: no question, at the caret")
        << QString() << 0 << -1 << false << true << made;
    QTest::newRow("Yes clears the post")
        << "old post" << 3 << int(MessageAnswer::Yes) << true << true << made;
    QTest::newRow("No appends at the end")
        << "old post" << 3 << int(MessageAnswer::No) << true << true << "old post" + made;
    QTest::newRow("Cancel opens nothing")
        << "old post" << 3 << int(MessageAnswer::Cancel) << true << false << "old post";
}

void tst_PostGenerator::manualAsksBeforeOpening()
{
    QFETCH(QString, post);
    QFETCH(int, caret);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, opens);
    QFETCH(QString, result);
    m_host->post = post;
    m_host->selStart = caret;
    if (answer >= 0)
        m_prompts->queueAnswer(MessageAnswer(answer));
    bool opened = false;
    if (opens) {
        whenDialogOpens([&opened](frmNews *dialog) {
            opened = true;
            dialog->setFieldText(0, QStringLiteral("T"));
            dialog->setFieldText(1, QStringLiteral("http://www.abc.com"));
            QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
        });
    }
    m_generator->mnuFileNewsManual_Click();
    QVERIFY(!m_dialogMissing);
    QCOMPARE(opened, opens);
    QCOMPARE(m_host->post, result);
    QCOMPARE(m_prompts->records.size(), asked ? 1 : 0);
    if (asked) {
        const PromptRecord &question = m_prompts->records.first();
        QCOMPARE(question.text, QStringLiteral("Clear the current post?"));
        QCOMPARE(question.title, QStringLiteral("New Post"));
        QCOMPARE(question.icon, MessageIcon::None);
        QCOMPARE(question.buttons, MessageButtons::YesNoCancel);
    }
    QCOMPARE(m_host->postChanged, answer != int(MessageAnswer::Yes));
    QVERIFY(QApplication::topLevelWidgets().size() < 3);
}

void tst_PostGenerator::manualCancelAndTitleBarCloseInsertNothing_data()
{
    QTest::addColumn<bool>("titleBar");
    QTest::newRow("Cancel") << false;
    QTest::newRow("title bar") << true;
}

void tst_PostGenerator::manualCancelAndTitleBarCloseInsertNothing()
{
    QFETCH(bool, titleBar);
    whenDialogOpens([titleBar](frmNews *dialog) {
        dialog->setFieldText(0, QStringLiteral("typed"));
        if (titleBar)
            dialog->close();
        else
            QTest::mouseClick(dialog->cmdCancel(), Qt::LeftButton);
    });
    m_generator->mnuFileNewsManual_Click();
    QVERIFY(!m_dialogMissing);
    QVERIFY(m_host->inserted.isEmpty());
}

void tst_PostGenerator::manualWithoutDefinitionsInsertsNothing()
{
    m_data->remove("tags.txt");
    m_prompts->queueAnswer(MessageAnswer::Ok);
    whenDialogOpens([](frmNews *dialog) {
        QCOMPARE(dialog->fieldCount(), 0);
        QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
    });
    m_generator->mnuFileNewsManual_Click();
    QVERIFY(!m_dialogMissing);
    QCOMPARE(errorTitles(*m_prompts), QStringList{" Error 53 in News_Load"});
    QVERIFY(m_host->inserted.isEmpty());
}

void tst_PostGenerator::autoStartAsksAndClearsTheClipboard_data()
{
    QTest::addColumn<QString>("post");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("runs");
    QTest::addColumn<QString>("postAfter");
    QTest::addColumn<int>("caretAfter");

    QTest::newRow("empty post") << QString() << -1 << true << QString() << 0;
    QTest::newRow("Yes") << "old" << int(MessageAnswer::Yes) << true << QString() << 0;
    QTest::newRow("No") << "old" << int(MessageAnswer::No) << true << "old" << 3;
    QTest::newRow("Cancel") << "old" << int(MessageAnswer::Cancel) << false << "old" << 1;
}

void tst_PostGenerator::autoStartAsksAndClearsTheClipboard()
{
    QFETCH(QString, post);
    QFETCH(int, answer);
    QFETCH(bool, runs);
    QFETCH(QString, postAfter);
    QFETCH(int, caretAfter);
    m_host->post = post;
    m_host->selStart = post.isEmpty() ? 0 : 1;
    if (answer >= 0)
        m_prompts->queueAnswer(MessageAnswer(answer));
    copy(QStringLiteral("copied before"));

    m_generator->mnuFileNewsAuto_Click();
    QCOMPARE(m_generator->isAutoRunning(), runs);
    QCOMPARE(m_host->post, postAfter);
    QCOMPARE(m_host->selStart, caretAfter);
    QCOMPARE(m_clipboard->text(), runs ? QString() : QStringLiteral("copied before"));
    QCOMPARE(m_host->autoCaptions, runs ? QList<bool>{true} : QList<bool>{});
    if (runs) {
        frmNews *dialog = m_generator->autoDialog();
        QVERIFY(dialog);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->fieldCount(), 5);
        QVERIFY(dialog->tmrAuto()->isActive());
        QCOMPARE(dialog->tmrAuto()->interval(), 250);
        QCOMPARE(m_generator->autoRun().step(), 0);
    }
}

void tst_PostGenerator::runFillsTheTemplateIntoThePost()
{
    m_generator->mnuFileNewsAuto_Click();
    QVERIFY(m_generator->isAutoRunning());

    m_generator->tmrAuto_Timer();
    QCOMPARE(m_host->caption, QStringLiteral("Title (1/3) [Awaiting copy]"));
    QCOMPARE(m_generator->autoRun().step(), 0);

    copy(QStringLiteral("  Big news  "));
    m_generator->tmrAuto_Timer();
    QCOMPARE(m_generator->autoDialog()->fieldText(0), QStringLiteral("Big news"));
    QCOMPARE(m_clipboard->text(), QString());

    m_generator->tmrAuto_Timer();
    QCOMPARE(m_host->caption, QStringLiteral("Address (2/3) [Awaiting copy]"));
    copy(QStringLiteral("http://www.abc.com/story\r\n"));
    m_generator->tmrAuto_Timer();
    frmNews *dialog = m_generator->autoDialog();
    QCOMPARE(dialog->fieldText(1), QStringLiteral("http://www.abc.com/story"));
    QCOMPARE(dialog->fieldText(2), QStringLiteral("ABC"));
    QCOMPARE(dialog->fieldText(3), QStringLiteral("http://www.abc.com"));

    m_generator->tmrAuto_Timer();
    m_generator->tmrAuto_Timer();
    QCOMPARE(m_generator->autoRun().step(), 4);
    QCOMPARE(m_host->caption, QStringLiteral("Address (2/3) [Awaiting copy]"));

    QString captionDuringPrompt;
    m_prompts->setOnPrompt([&](const PromptRecord &) {
        captionDuringPrompt = m_host->caption;
        copy(QStringLiteral("copied while asked"));
    });
    m_prompts->queueInput(QStringLiteral("Worth a read."));
    m_generator->tmrAuto_Timer();

    QCOMPARE(captionDuringPrompt, QStringLiteral("Comment (3/3) [Awaiting input]"));
    const PromptRecord &prompt = m_prompts->records.last();
    QCOMPARE(prompt.kind, PromptRecord::Input);
    QCOMPARE(prompt.text, QStringLiteral("Comment:"));
    QCOMPARE(prompt.title, QStringLiteral("Input Required"));
    QCOMPARE(prompt.defaultText, QString());
    QCOMPARE(m_clipboard->text(), QString());

    QVERIFY(!m_generator->isAutoRunning());
    QCOMPARE(m_host->autoCaptions, (QList<bool>{true, false}));
    QCOMPARE(m_host->captions,
             (QStringList{"Title (1/3) [Awaiting copy]", "Title (1/3) [Awaiting copy]",
                          "Address (2/3) [Awaiting copy]", "Address (2/3) [Awaiting copy]",
                          "Comment (3/3) [Awaiting input]", "Quorvel Wuxo"}));
    QCOMPARE(m_host->restores, 1);
    QCOMPARE(m_host->post,
             QStringLiteral("[B]Big news[/B] [URL=http://www.abc.com]ABC[/URL]\r\n"
                            "http://www.abc.com/story\r\nWorth a read."));
    QVERIFY(m_prompts->pendingAnswers() == 0);
}

void tst_PostGenerator::runEndsAtThePostsCaret()
{
    m_data->write("tags.txt", "%A%|A|0|0|1|0|0\r\n");
    m_data->write("template.txt", "<%A%>");
    m_host->post = QStringLiteral("Hello world");
    m_prompts->queueAnswer(MessageAnswer::No);
    m_generator->mnuFileNewsAuto_Click();
    QCOMPARE(m_host->selStart, 11);
    // The user goes on editing while the run waits.
    m_host->selStart = 5;
    copy(QStringLiteral("x"));
    m_generator->tmrAuto_Timer();
    QCOMPARE(m_host->post, QStringLiteral("Hello<x> world"));
}

void tst_PostGenerator::passedFieldsTakeOneTickEach()
{
    m_data->write("tags.txt", "%A%|A|0|0|0|0|0\r\n%B%|B|0|0|0|0|0\r\n%C%|C|0|0|0|0|0\r\n");
    m_data->write("template.txt", "[%A%|%B%|%C%]");
    m_generator->mnuFileNewsAuto_Click();
    m_generator->tmrAuto_Timer();
    m_generator->tmrAuto_Timer();
    QVERIFY(m_generator->isAutoRunning());
    QVERIFY(m_host->captions.isEmpty());
    m_generator->tmrAuto_Timer();
    QVERIFY(!m_generator->isAutoRunning());
    QCOMPARE(m_host->post, QStringLiteral("[||]"));
}

void tst_PostGenerator::unknownKindWaitsUntilCancelled()
{
    m_data->write("tags.txt", "%A%|A|0|0|0|0|0\r\n%B%|Odd|0|0|3|0|0\r\n%C%|C|0|0|1|0|0\r\n");
    m_generator->mnuFileNewsAuto_Click();
    copy(QStringLiteral("never taken"));
    for (int tick = 0; tick < 20; ++tick)
        m_generator->tmrAuto_Timer();
    QCOMPARE(m_generator->autoRun().step(), 1);
    QCOMPARE(m_host->caption, QStringLiteral("Odd (1/2)"));
    QCOMPARE(m_host->captions.size(), 19);
    QCOMPARE(m_clipboard->text(), QStringLiteral("never taken"));
    m_generator->mnuFileNewsAuto_Click();
    QVERIFY(!m_generator->isAutoRunning());
    QVERIFY(m_host->inserted.isEmpty());
}

void tst_PostGenerator::clipboardWithoutTakeableTextWaits_data()
{
    QTest::addColumn<bool>("image");
    QTest::addColumn<QString>("text");
    QTest::newRow("an image and no text") << true << QString();
    QTest::newRow("spaces only") << false << QStringLiteral("    ");
    QTest::newRow("empty") << false << QString();
}

void tst_PostGenerator::clipboardWithoutTakeableTextWaits()
{
    QFETCH(bool, image);
    QFETCH(QString, text);
    m_generator->mnuFileNewsAuto_Click();
    if (image)
        m_clipboard->copyWithoutText(QStringLiteral("<img src=\"a.png\">"));
    else
        copy(text);
    m_generator->tmrAuto_Timer();
    m_generator->tmrAuto_Timer();
    QVERIFY(m_generator->isAutoRunning());
    QCOMPARE(m_generator->autoRun().step(), 0);
    QCOMPARE(m_generator->autoDialog()->fieldText(0), QString());
    QVERIFY(m_prompts->records.isEmpty());
}

void tst_PostGenerator::sameTextCopiedTwiceFillsTwoFields()
{
    m_generator->mnuFileNewsAuto_Click();
    copy(QStringLiteral("same"));
    m_generator->tmrAuto_Timer();
    m_generator->tmrAuto_Timer();
    QCOMPARE(m_generator->autoRun().step(), 1);
    copy(QStringLiteral("same"));
    m_generator->tmrAuto_Timer();
    QCOMPARE(m_generator->autoRun().step(), 2);
    QCOMPARE(m_generator->autoDialog()->fieldText(1), QStringLiteral("same"));
}

namespace {
enum class Manager { None, PutsBackAtOnce, PutsBackAtItsNextLook };
}

void tst_PostGenerator::copiesBesideAClipboardManager_data()
{
    // Events: "copy:<text>" the user copies; "tick" one tick 250 ms after the last
    // event; "wait" two seconds pass. Copies before "start" come before the run.
    QTest::addColumn<int>("manager");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("post");

    const QList<std::pair<const char *, Manager>> managers
        = {{"no manager", Manager::None},
           {"manager at once", Manager::PutsBackAtOnce},
           {"polling manager", Manager::PutsBackAtItsNextLook}};
    for (const auto &[name, manager] : managers) {
        const auto row = [&](const char *what) {
            return &(QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(name, what)))
                     << int(manager));
        };
        *row("text from before the run is not taken")
            << QStringList{"copy:before", "start", "tick", "tick", "tick", "tick"} << "";
        // A manager shows itself by putting back the text from before the run.
        *row("one copy fills one field")
            << QStringList{"copy:before", "start", "tick", "copy:first", "tick", "tick", "tick"}
            << "";
        *row("two copies fill two fields")
            << QStringList{"copy:before", "start", "tick",        "copy:first", "tick",
                           "tick",        "wait",  "copy:second", "tick"}
            << "A=first B=second";
        *row("the same text copied twice fills two fields")
            << QStringList{"start", "copy:same", "tick", "tick", "wait", "copy:same", "tick"}
            << "A=same B=same";
        *row("text copied before and again during the run")
            << QStringList{"copy:again", "start", "tick", "wait",       "copy:again",
                           "tick",       "tick",  "wait", "copy:other", "tick"}
            << "A=again B=other";
    }
    QTest::newRow("no manager: the same text copied twice quickly fills two fields")
        << int(Manager::None) << QStringList{"start", "copy:same", "tick", "copy:same", "tick"}
        << "A=same B=same";
    // Until a manager has shown itself, a text that comes back counts as a new copy.
    for (const Manager manager : {Manager::PutsBackAtOnce, Manager::PutsBackAtItsNextLook}) {
        QTest::newRow(qPrintable(QStringLiteral("manager %1 with nothing to put back at the "
                                                "start: the first text it puts back is taken")
                                     .arg(int(manager))))
            << int(manager) << QStringList{"start", "copy:first", "tick", "tick", "tick"}
            << "A=first B=first";
    }
}

void tst_PostGenerator::copiesBesideAClipboardManager()
{
    QFETCH(int, manager);
    QFETCH(QStringList, events);
    QFETCH(QString, post);
    m_data->write("tags.txt", "[a]|A|False|False|1|0|0\r\n[b]|B|False|False|1|0|0\r\n");
    m_data->write("template.txt", "A=[a] B=[b]");
    m_clipboard->refillsWhenCleared = Manager(manager) == Manager::PutsBackAtOnce;
    for (const QString &event : events) {
        if (event == QLatin1String("start")) {
            m_generator->mnuFileNewsAuto_Click();
            QVERIFY(m_generator->isAutoRunning());
        } else if (event == QLatin1String("wait")) {
            m_now += 2000;
        } else if (event.startsWith(QLatin1String("copy:"))) {
            m_now += 10;
            m_clipboard->copy(event.mid(5));
        } else {
            if (Manager(manager) == Manager::PutsBackAtItsNextLook && !m_clipboard->hasText()) {
                m_now += 100;
                m_clipboard->refill();
            }
            m_now += 150;
            m_generator->tmrAuto_Timer();
        }
    }
    QCOMPARE(m_host->post, post);
    if (post.isEmpty()) {
        QVERIFY(m_generator->isAutoRunning());
        const bool oneCopy = events.contains(QStringLiteral("copy:first"));
        QCOMPARE(m_generator->autoRun().step(), oneCopy ? 1 : 0);
        QCOMPARE(m_generator->autoDialog()->fieldText(0),
                 oneCopy ? QStringLiteral("first") : QString());
    }
}

void tst_PostGenerator::waylandWithoutXWaylandSaysCopiesCannotBeSeen()
{
    m_clipboard->seesOthers = false;
    m_prompts->queueAnswer(MessageAnswer::Ok);
    m_generator->mnuFileNewsAuto_Click();
    QVERIFY(!m_generator->isAutoRunning());
    QCOMPARE(m_prompts->records.size(), 1);
    QVERIFY(m_prompts->records[0].text.startsWith(
        QStringLiteral("Copies made in other programs cannot be seen here")));
    QCOMPARE(m_prompts->records[0].icon, MessageIcon::Exclamation);
    QVERIFY(m_host->autoCaptions.isEmpty());

    // A run of input fields alone needs no copies.
    m_data->write("tags.txt", "%A%|A|0|0|2|0|0\r\n");
    m_data->write("template.txt", "<%A%>");
    m_prompts->queueInput(QStringLiteral("typed"));
    m_generator->mnuFileNewsAuto_Click();
    m_generator->tmrAuto_Timer();
    QCOMPARE(m_host->post, QStringLiteral("<typed>"));
}

void tst_PostGenerator::cancelInsertsNothing_data()
{
    QTest::addColumn<bool>("mainWindowCloses");
    QTest::newRow("cancel from the menu or button") << false;
    QTest::newRow("the main window closes") << true;
}

void tst_PostGenerator::cancelInsertsNothing()
{
    QFETCH(bool, mainWindowCloses);
    m_generator->mnuFileNewsAuto_Click();
    copy(QStringLiteral("Title"));
    m_generator->tmrAuto_Timer();
    m_generator->tmrAuto_Timer();
    QPointer<frmNews> dialog = m_generator->autoDialog();
    if (mainWindowCloses)
        m_generator->closeAutoRun();
    else
        m_generator->mnuFileNewsAuto_Click();
    QVERIFY(!m_generator->isAutoRunning());
    QCOMPARE(m_host->autoCaptions, (QList<bool>{true, false}));
    QCOMPARE(m_host->caption, QStringLiteral("Quorvel Wuxo"));
    QCOMPARE(m_host->restores, 0);
    QCOMPARE(m_host->post, QString());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
    m_generator->tmrAuto_Timer();
    QVERIFY(m_host->inserted.isEmpty());

    // Starting again reads the definitions afresh and begins at the first field.
    m_data->write("tags.txt", "%X%|Other|0|0|1|0|0\r\n");
    copy(QStringLiteral("left over"));
    m_generator->mnuFileNewsAuto_Click();
    QCOMPARE(m_clipboard->text(), QString());
    m_generator->tmrAuto_Timer();
    QCOMPARE(m_host->caption, QStringLiteral("Other (1/1) [Awaiting copy]"));
}

void tst_PostGenerator::noRunWithoutDefinitions()
{
    m_data->write("tags.txt", "%A%|A|0|0|1|0\r\n");
    m_host->post = QStringLiteral("keep this");
    copy(QStringLiteral("keep me"));
    m_prompts->queueAnswer(MessageAnswer::Ok);
    m_generator->mnuFileNewsAuto_Click();
    QVERIFY(!m_generator->isAutoRunning());
    QCOMPARE(m_prompts->titles().size(), 1);
    QCOMPARE(errorTitles(*m_prompts), QStringList{" Error 9 in News_Load"});
    QVERIFY(m_host->autoCaptions.isEmpty());
    QCOMPARE(m_host->post, QStringLiteral("keep this"));
    QCOMPARE(m_clipboard->text(), QStringLiteral("keep me"));
    m_generator->tmrAuto_Timer();
    QCOMPARE(m_prompts->records.size(), 1);
}

void tst_PostGenerator::onePromptPerInputFieldWhileTicksFire()
{
    m_data->write("tags.txt", "%A%|First|0|0|2|0|0\r\n%B%|Second|0|0|2|0|0\r\n");
    m_data->write("template.txt", "%A%/%B%");
    m_generator->mnuFileNewsAuto_Click();
    int promptsSeenInside = 0;
    bool open = false;
    m_prompts->setOnPrompt([&](const PromptRecord &) {
        if (open)
            return; // a prompt stacked on the open one
        open = true;
        // The timer keeps firing while the prompt waits.
        for (int tick = 0; tick < 3; ++tick)
            m_generator->tmrAuto_Timer();
        promptsSeenInside = inputPrompts(*m_prompts);
        open = false;
    });
    m_prompts->queueInput(QStringLiteral("one"));
    m_prompts->queueInput(QStringLiteral("two"));
    m_generator->tmrAuto_Timer();
    QCOMPARE(promptsSeenInside, 1);
    QCOMPARE(m_generator->autoRun().step(), 1);
    m_generator->tmrAuto_Timer();
    QCOMPARE(inputPrompts(*m_prompts), 2);
    QVERIFY(!m_generator->isAutoRunning());
    QCOMPARE(m_host->post, QStringLiteral("one/two"));
}

void tst_PostGenerator::cancelWhileThePromptIsOpen()
{
    m_data->write("tags.txt", "%A%|First|0|0|2|0|0\r\n%B%|Second|0|0|0|0|0\r\n");
    m_generator->mnuFileNewsAuto_Click();
    m_prompts->setOnPrompt([&](const PromptRecord &) { m_generator->mnuFileNewsAuto_Click(); });
    m_prompts->queueInput(QStringLiteral("answer"));
    m_generator->tmrAuto_Timer();
    QVERIFY(!m_generator->isAutoRunning());
    QCOMPARE(m_host->autoCaptions, (QList<bool>{true, false}));
    QVERIFY(m_host->inserted.isEmpty());
    QCOMPARE(inputPrompts(*m_prompts), 1);
}

void tst_PostGenerator::manualCommandWaitsForTheRun()
{
    m_generator->mnuFileNewsAuto_Click();
    whenDialogOpens([](frmNews *dialog) { dialog->reject(); });
    m_generator->mnuFileNewsManual_Click();
    QCoreApplication::processEvents();
    QVERIFY(m_dialogMissing);
    QVERIFY(m_generator->isAutoRunning());
    QVERIFY(!m_generator->autoDialog()->isVisible());
}

void tst_PostGenerator::fieldRuleFailuresAreReportedAndTheRunGoesOn()
{
    m_data->write("tags.txt", "%A%|A|0|0|1|0|0\r\n%B%|B|0|0|1|1|one\r\n");
    m_data->write("template.txt", "%A%+%B%");
    m_generator->mnuFileNewsAuto_Click();
    copy(QStringLiteral("a"));
    m_prompts->queueAnswer(MessageAnswer::Ok);
    m_generator->tmrAuto_Timer();
    QCOMPARE(errorTitles(*m_prompts), QStringList{" Error 13 in News.txtField"});
    copy(QStringLiteral("b"));
    m_prompts->queueAnswer(MessageAnswer::Ok);
    m_generator->tmrAuto_Timer();
    QCOMPARE(errorTitles(*m_prompts).size(), 2);
    QCOMPARE(m_host->post, QStringLiteral("a+b"));
}

void tst_PostGenerator::timerDrivesTheRun()
{
    m_data->write("tags.txt", "%A%|A|0|0|0|0|0\r\n%B%|B|0|0|0|0|0\r\n");
    m_data->write("template.txt", "done");
    m_generator->mnuFileNewsAuto_Click();
    m_generator->autoDialog()->tmrAuto()->setInterval(0);
    QTRY_VERIFY(!m_generator->isAutoRunning());
    QCOMPARE(m_host->post, QStringLiteral("done"));
}

QTEST_MAIN(tst_PostGenerator)
#include "tst_postgenerator.moc"
