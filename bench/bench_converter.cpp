// Converts tag-dense posts of 100 KB and 1 MB and prints the median times,
// by the clock and in processor time of the converting thread, then the median
// time of the command-line tool converting the 1 MB post as a whole process,
// from its start to its end. Exits with 1 when the 1 MB post takes more than
// 10 ms or more than 12 times as long as the 100 KB one, in processor time (on
// a machine shared with builds the clock also counts the time other programs
// had the processor), or when the tool takes more than 20 ms.
#include "converter/bbcodeconverter.h"

#include "foundation/wuxoerror.h"

#include "benchtiming.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// A post with a tag every few words: all twelve names, both letter cases,
// tags inside tags, lists and line breaks, as long as wanted.
QString tagDensePost(qsizetype length)
{
    const QStringList paragraphs = {
        "Hello [b]everyone[/b], here is [i]the [u]new[/u] build[/i] of the [B]tool[/B].\r\n",
        "[font=Verdana]Read the [size=14]notes[/size] first[/font] and [color=red]back up[/color] "
        "your [COLOR=#336699]settings[/COLOR].\r\n",
        "Download it [url=http://www.example.com/get]from here[/url] or from "
        "[url]http://mirror.example.com/[/url]; mail [email]help@example.com[/email] or "
        "[EMAIL=team@example.com]the team[/EMAIL].\r\n",
        "[img]http://www.example.com/shot.png[/img] shows the [b][i]main[/i] window[/b].\r\n",
        "[quote]It works [b]well[/b], [quote]really[/quote] well.[/quote]\r\n",
        "[code]int main()\r\n{\r\n    return 0;\r\n}[/code]\r\n",
        "[list]\r\n[*]faster [b]start[/b]\r\n[*][i]fewer[/i] "
        "crashes\r\n[*][url=http://x.example]more[/url]"
        "\r\n[/list]\r\n",
        "[LIST]\r\n[*]one\r\n[*]two [size=2]small[/size]\r\n[/LIST]\r\n",
        "Thanks to [u]all[/u] of [i]you[/i] [b]for[/b] the "
        "[font=Arial][color=green]reports[/color][/font]!\r\n",
    };
    QString post;
    post.reserve(length + 200);
    for (int i = 0; post.size() < length; ++i)
        post += paragraphs.at(i % paragraphs.size());
    return post;
}

struct Measure
{
    double wallMs;
    double processorMs;
    qsizetype resultLength;
};

double threadProcessorMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

Measure measure(const QString &post, int runs)
{
    std::vector<double> wall;
    std::vector<double> processor;
    qsizetype resultLength = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const double processorStart = threadProcessorMs();
        const QString html = ConvertPostToHtml(post);
        processor.push_back(threadProcessorMs() - processorStart);
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        resultLength = html.size();
    }
    return {median(wall), median(processor), resultLength};
}

// The tool on a post file, its output thrown away as a script would pipe it on.
double toolMedianMs(const QString &post, int runs)
{
    QTemporaryFile file;
    if (!file.open() || file.write(post.toUtf8()) < 0 || !file.flush())
        return -1;
    std::vector<double> wall;
    for (int run = 0; run <= runs; ++run) {
        QProcess tool;
        tool.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        tool.start(QStringLiteral(WUXO_BBCODE_TOOL), {file.fileName()});
        if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit
            || tool.exitCode() != 0)
            return -1;
        // The first run warms the disk cache; it is not counted.
        if (run > 0)
            wall.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(wall);
}

} // namespace

int main()
{
    constexpr int runs = 15;
    constexpr double limitMs = 10.0;
    constexpr double limitToolMs = 20.0;
    constexpr double limitGrowth = 12.0;
    const QString small = tagDensePost(100 * 1000);
    const QString large = tagDensePost(1000 * 1000);
    try {
        ConvertPostToHtml(small); // warm up
        const Measure smallTime = measure(small, runs);
        const Measure largeTime = measure(large, runs);
        const double growth = largeTime.processorMs / smallTime.processorMs;
        const auto report = [](const char *name, const QString &post, const Measure &m) {
            std::printf(
                "%-6s post %8lld chars -> %8lld chars  median %7.2f ms (processor %7.2f ms)  "
                "%6.1f MB/s\n",
                name, static_cast<long long>(post.size()), static_cast<long long>(m.resultLength),
                m.wallMs, m.processorMs, double(post.size()) / 1e6 / (m.processorMs / 1000.0));
        };
        report("100 KB", small, smallTime);
        report("1 MB", large, largeTime);
        std::printf(
            "growth 1 MB / 100 KB: %.2f (at most %.0f); 1 MB: at most %.0f ms of processor time\n",
            growth, limitGrowth, limitMs);
        const double toolMs = toolMedianMs(large, runs);
        std::printf(
            "wuxo-bbcode on the 1 MB post, the whole process: median %.2f ms (at most %.0f ms)\n",
            toolMs, limitToolMs);
        if (largeTime.processorMs > limitMs || growth > limitGrowth || toolMs < 0
            || toolMs > limitToolMs) {
            std::printf("FAILED\n");
            return 1;
        }
        return 0;
    } catch (const WuxoError &error) {
        std::printf("conversion failed: %s\n", error.what());
        return 2;
    }
}
