// Draws every window of Wuxo with a sample post into PNG files, for the README
// and the guide: wuxo-screenshots OUTPUT_FOLDER (run it on an X server, e.g.
// under xvfb-run, so that the preview's web view paints too).

#include "app/frmmain.h"
#include "app/postedit.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmprefs.h"
#include "foundation/datafolder.h"
#include "foundation/platform.h"
#include "postgen/ui/frmnews.h"
#include "widgets/appicon.h"
#include "widgets/skinwidgets.h"
#include "widgets/widgetprompts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const char samplePost[] =
    "[B]Weekend meet-up: the harbour walk[/B]\r\n"
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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationName(QStringLiteral("Wuxo"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(AppIcon::icon());
    WidgetPrompts prompts;
    Platform::setDefaultPrompts(&prompts);

    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(out);
    QTemporaryDir program;
    DataFolder::setProgramFolder(program.path());

    bool ok = true;
    frmMain window;
    if (window.refusedSecondInstance())
        return 1;
    window.move(40, 40);
    window.show();
    window.post().setText(QString::fromLatin1(samplePost));
    window.post().setSelection(40, 0);
    ok &= shoot(&window, out + QStringLiteral("/main-window.png"));

    window.cmdPreview_Click();
    settle(4000);
    ok &= shoot(&window, out + QStringLiteral("/preview.png"));
    window.cmdPreview_Click();

    {
        frmNews news(&window);
        news.Form_Load();
        const QStringList sample = {QStringLiteral("Harbour walk this Saturday"),
                                    QStringLiteral("http://www.coastnews.example/walks/harbour"),
                                    QString(), QString(),
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
