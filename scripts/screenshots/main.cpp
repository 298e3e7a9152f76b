// Draws every window of Wuxo with a sample post into PNG files, for the README
// and the guide: wuxo-screenshots OUTPUT_FOLDER (run it on an X server, e.g.
// under xvfb-run, so that the preview's web view paints too).

#include "app/ui/application.h"
#include "app/ui/frmmain.h"
#include "dialogs/ui/frmabout.h"
#include "dialogs/ui/frmprefs.h"
#include "foundation/datafolder.h"
#include "foundation/errorreport.h"
#include "postgen/ui/frmnews.h"
#include "preview/ui/previewbrowser.h"
#include "widgets/postedit.h"
#include "widgets/skinwidgets.h"
#include "widgets/widgetprompts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

const char samplePost[]
    = "[B]Weekend meet-up: the harbour walk[/B]\r\n"
      "\r\n"
      "Hi all, we're meeting at the [I]old lighthouse[/I] on Saturday at 10:00. "
      "Bring [COLOR=blue]good shoes[/COLOR] and a [U]camera[/U]!\r\n"
      "\r\n"
      "[QUOTE]Last time we saw seals on the north pier.[/QUOTE]\r\n"
      "[LIST]\r\n"
      "[*]Start: the lighthouse car park\r\n"
      "[*]Lunch: [URL=http://www.example.org/cafe]the Quay Cafe[/URL]\r\n"
      "[*]Back by 15:00\r\n"
      "[/LIST]\r\n"
      "See you there, [SIZE=7]Mara[/SIZE]";

// Tags as the editor shows them: converted, left as text and failing.
const char tagsPost[]
    = "[b]Bold[/b] and [font=Courier]mono[/font], then [Url]http://a.example[/Url]\r\n"
      "[list][*]one[/list]\r\n"
      "[size=big]x[/size]";

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The window as the screen shows it, frame included where there is one.
bool shoot(QWidget *window, const QString &path)
{
    window->raise();
    window->activateWindow();
    settle(700);
    QPixmap picture;
    if (QScreen *screen = window->screen()) {
        const QRect frame = window->frameGeometry();
        picture = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    }
    if (picture.isNull() || picture.toImage().allGray())
        picture = window->grab();
    const bool saved = picture.save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << Qt::endl;
    return saved;
}

// Shows each of the program's boxes through the real prompts, draws it and
// closes it, in the current palette and the user's language: a check for clipped
// or unreadable text.
bool shootBoxes(const QString &out, const QString &suffix)
{
    bool ok = true;
    int number = 0;
    const auto grabNext = [&](const QString &name) {
        QTimer::singleShot(600, qApp, [&, name] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box) {
                ok = false;
                return;
            }
            ok &= box->grab().save(out
                                   + QStringLiteral("/box-%1-%2%3.png")
                                         .arg(++number, 2, 10, QLatin1Char('0'))
                                         .arg(name, suffix));
            box->close();
        });
    };
    WidgetPrompts prompts;
    const WuxoError error(ErrorNumber::FileNotFound);
    grabNext(QStringLiteral("error"));
    prompts.messageBox(ErrorReport::message(error),
                       ErrorReport::title(QStringLiteral("Main.Preview"), error),
                       MessageIcon::Critical, MessageButtons::Ok);
    grabNext(QStringLiteral("save-draft"));
    prompts.messageBox(
        QCoreApplication::translate(
            "CloseQuestion", "Current post hasn't been copied or saved. Save before exiting?"),
        QCoreApplication::translate("CloseQuestion", "Save Draft?"), MessageIcon::None,
        MessageButtons::YesNoCancel);
    grabNext(QStringLiteral("already-running"));
    prompts.messageBox(
        QCoreApplication::translate("frmMain",
                                    "%1 is already running. Please close the other "
                                    "instance before starting %1 again.")
            .arg(QStringLiteral("Wuxo")),
        QCoreApplication::translate("frmMain", "%1 Error").arg(QStringLiteral("Wuxo")),
        MessageIcon::Exclamation, MessageButtons::Ok);
    grabNext(QStringLiteral("too-short"));
    prompts.messageBox(QCoreApplication::translate("CopyPost", "You must enter a message to post!"),
                       QCoreApplication::translate("CopyPost", "Error"), MessageIcon::Exclamation,
                       MessageButtons::Ok);
    grabNext(QStringLiteral("no-draft"));
    prompts.messageBox(QCoreApplication::translate("frmMain", "No saved draft found."),
                       QCoreApplication::translate("frmMain", "Load Error"),
                       MessageIcon::Exclamation, MessageButtons::Ok);
    grabNext(QStringLiteral("new-post"));
    prompts.messageBox(QCoreApplication::translate("PostGenerator", "Clear the current post?"),
                       QCoreApplication::translate("PostGenerator", "New Post"), MessageIcon::None,
                       MessageButtons::YesNoCancel);
    grabNext(QStringLiteral("recover-post"));
    prompts.messageBox(
        QCoreApplication::translate(
            "PostRecovery", "Wuxo closed without saving the post you were writing. Recover it?"),
        QCoreApplication::translate("PostRecovery", "Recover Post?"), MessageIcon::Question,
        MessageButtons::YesNo);
    grabNext(QStringLiteral("insert-url"));
    prompts.inputBox(QCoreApplication::translate("TagInsertion", "Enter the URL for the link:"),
                     QCoreApplication::translate("TagInsertion", "Insert URL"),
                     QStringLiteral("http://"));
    grabNext(QStringLiteral("insert-list"));
    prompts.inputBox(
        QCoreApplication::translate("TagInsertion",
                                    "Enter a list item (enter blank or press cancel to end list)"),
        QCoreApplication::translate("TagInsertion", "Insert List"), QString());
    grabNext(QStringLiteral("input-required"));
    prompts.inputBox(
        QCoreApplication::translate("AutoRun", "%1:").arg(QStringLiteral("Your comment")),
        QCoreApplication::translate("PostGenerator", "Input Required"), QString());
    return ok;
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 64));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(100, 170, 255));
    return dark;
}

} // namespace

int main(int argc, char *argv[])
{
    Application::setUpBeforeApplication();
    QApplication app(argc, argv);
    Application::setUpApplication();

    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(out);
    if (argc > 2 && QByteArray(argv[2]) == "--boxes") {
        // Every box in the light and in a dark desktop palette, for a look by eye.
        bool boxes = shootBoxes(out, QString());
        QApplication::setPalette(darkPalette());
        boxes &= shootBoxes(out, QStringLiteral("-dark"));
        QTemporaryDir darkProgram;
        DataFolder::setProgramFolder(darkProgram.path());
        frmMain dark;
        dark.show();
        dark.post().setText(QString::fromLatin1(samplePost));
        boxes &= shoot(&dark, out + QStringLiteral("/main-window-dark.png"));
        dark.post().setText(QString::fromLatin1(tagsPost));
        boxes &= shoot(&dark, out + QStringLiteral("/main-window-tags-dark.png"));
        frmPrefs darkPreferences(&dark);
        darkPreferences.show();
        boxes &= shoot(&darkPreferences, out + QStringLiteral("/preferences-dark.png"));
        dark.setBlnPostChanged(false);
        return boxes ? 0 : 1;
    }
    QTemporaryDir program;
    DataFolder::setProgramFolder(program.path());

    bool ok = true;
    frmMain window;
    if (window.refusedSecondInstance())
        return 1;
    // This program lives outside bin/, where the program finds the web engine plugin.
    window.previewBrowser()->setPluginPath(QStringLiteral(WUXO_PREVIEW_PLUGIN));
    window.move(40, 40);
    window.show();
    window.post().setText(QString::fromLatin1(samplePost));
    window.post().setSelection(40, 0);
    ok &= shoot(&window, out + QStringLiteral("/main-window.png"));

    auto *cmdPreview = window.findChild<SkinButton *>(QStringLiteral("cmdPreview"));
    cmdPreview->click();
    settle(4000);
    ok &= shoot(&window, out + QStringLiteral("/preview.png"));
    cmdPreview->click();

    {
        frmNews news(&window);
        news.Form_Load();
        const QStringList sample = {QStringLiteral("Harbour walk this Saturday"),
                                    QStringLiteral("http://www.coastnews.example/walks/harbour"),
                                    QString(),
                                    QString(),
                                    QStringLiteral("Seals were seen on the north pier."),
                                    QStringLiteral("Who's coming along?")};
        for (int i = 0; i < news.fieldCount() && i < sample.size(); ++i)
            if (!sample.at(i).isEmpty())
                news.setFieldText(i, sample.at(i));
        news.move(80, 80);
        news.show();
        ok &= shoot(&news, out + QStringLiteral("/post-generator.png"));
    }
    {
        frmPrefs preferences(&window);
        preferences.move(80, 80);
        preferences.show();
        ok &= shoot(&preferences, out + QStringLiteral("/preferences.png"));
    }
    {
        frmAbout about(&window);
        about.move(80, 80);
        about.show();
        ok &= shoot(&about, out + QStringLiteral("/about.png"));
    }
    window.setBlnPostChanged(false);
    window.close();
    return ok ? 0 : 1;
}
