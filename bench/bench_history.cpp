// One typed character in a 1 MB post of 15,000 lines: the key press, the
// editor's change and its recording in the edit history, in the real window
// with its tag colours, warnings, length label and spelling (en_US, one
// misspelling a line). The history's own share, and a keystroke with spelling
// off, are printed beside it. Target: 10 ms median.
// Then the post replaced whole: the longest the window is held up by it (the
// edit, the decoration slices and reading the tags again). Target: 100 ms.
#include "app/edithistory.h"
#include "app/frmmain.h"
#include "app/postedit.h"
#include "app/spellingcommands.h"
#include "foundation/datafolder.h"
#include "markup/taglayer.h"
#include "widgets/editordecorations.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double targetMs = 10.0;
constexpr double replaceTargetMs = 100.0;
constexpr int keys = 150;

QString onePostOfOneMegabyte()
{
    const QString line = QStringLiteral(
        "[B]Release notes[/B] for the new build: fixed teh crash when opening.");
    QStringList lines;
    for (int i = 0; i < 15000; ++i)
        lines.append(line);
    return lines.join(QStringLiteral("\r\n"));
}

// Runs the event loop until the editor shows the current decorations and the
// tags are read; returns the longest single turn of the loop in milliseconds.
double settle(EditorDecorations *decorations, TagLayer *tags)
{
    double longest = 0;
    QElapsedTimer total;
    total.start();
    while ((!decorations->isIdle() || tags->isAnalysing()) && total.elapsed() < 20000) {
        QElapsedTimer turn;
        turn.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        longest = std::max(longest, double(turn.nsecsElapsed()) / 1e6);
    }
    return longest;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir programFolder;
    DataFolder::setProgramFolder(programFolder.path());

    frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 2;
    auto *decorations = window.txtPost->findChild<EditorDecorations *>();
    TagLayer *tags = decorations ? decorations->findChild<TagLayer *>() : nullptr;
    if (!tags) {
        std::fprintf(stderr, "the editor has no tag decorations\n");
        return 2;
    }
    // The dictionary is read after the first frame, on a thread of its own.
    const auto *spelling = window.findChild<SpellingCommands *>(QStringLiteral("spelling"));
    QElapsedTimer waiting;
    waiting.start();
    while (spelling && !spelling->isChecking() && waiting.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    if (!spelling || !spelling->isChecking()) {
        std::fprintf(stderr, "spelling is not on: is the en_US dictionary (hunspell-en-us) installed?\n");
        return 2;
    }
    const QString post = onePostOfOneMegabyte();
    QElapsedTimer replacing;
    replacing.start();
    window.post().setText(post);
    const double replaceMs = double(replacing.nsecsElapsed()) / 1e6;
    const double longestTurnMs = settle(decorations, tags);
    QElapsedTimer reading;
    reading.start();
    tags->analyseNow();
    const double readingMs = double(reading.nsecsElapsed()) / 1e6;
    settle(decorations, tags);
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
    // The same with spelling off, for comparison.
    window.findChild<QAction *>(QStringLiteral("mnuEditSpellingCheck"))->trigger();
    settle(decorations, tags);
    std::vector<double> typingUnchecked;
    for (int i = 0; i < keys; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(window.txtPost, Qt::Key_X);
        typingUnchecked.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    if (window.history().strHistory(EditHistory::newestSlot).size() != post.size() + 2 * keys) {
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
    std::printf("  the same with spelling off: median %.2f ms\n", median(typingUnchecked));
    std::printf("the post replaced whole: the edit %.1f ms, then at most %.1f ms at a time "
                "(target %.0f ms); reading its tags %.1f ms\n",
                replaceMs, longestTurnMs, replaceTargetMs, readingMs);
    const bool replacedInTime = std::max(replaceMs, longestTurnMs) <= replaceTargetMs;
    return ms <= targetMs && replacedInTime ? 0 : 1;
}
