// One typed character in a 1 MB post of 15,000 lines: the key press, the
// editor's change and its recording in the edit history, in the real window.
// The history's own share is printed beside it. Target: 10 ms median.
#include "app/edithistory.h"
#include "app/ui/frmmain.h"
#include "app/ui/postedit.h"
#include "foundation/datafolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double targetMs = 10.0;
constexpr int keys = 150;

QString onePostOfOneMegabyte()
{
    const QString line = QStringLiteral(
        "[B]Release notes[/B] for the new build: fixed the crash when opening.");
    QStringList lines;
    for (int i = 0; i < 15000; ++i)
        lines.append(line);
    return lines.join(QStringLiteral("\r\n"));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir programFolder;
    DataFolder::setProgramFolder(programFolder.path());

    frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 2;
    const QString post = onePostOfOneMegabyte();
    window.post().setText(post);
    EditorText editor = window.post();
    editor.setSelStart(int(post.size() / 2));
    window.txtPost->setFocus();

    std::vector<double> typing;
    for (int i = 0; i < keys; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(window.txtPost, Qt::Key_X);
        typing.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    if (window.history().strHistory(EditHistory::newestSlot).size() != post.size() + keys) {
        std::fprintf(stderr, "the typed characters were not all recorded\n");
        return 2;
    }

    EditHistory history;
    const QString text = window.post().text();
    std::vector<double> recording;
    for (int i = 0; i < keys; ++i) {
        QElapsedTimer timer;
        timer.start();
        history.record(window.post().text());
        recording.push_back(double(timer.nsecsElapsed()) / 1e6);
    }

    const double ms = median(typing);
    std::printf("one typed character, recorded: median %.2f ms (target %.0f ms)\n", ms, targetMs);
    std::printf("  of which reading the post and recording it: median %.2f ms\n",
                median(recording));
    return ms <= targetMs ? 0 : 1;
}
