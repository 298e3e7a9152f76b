// Converts tag-dense posts of 100 KB and 1 MB and prints the median times.
// Exits with 1 when the 1 MB post takes more than 30 ms or the 1 MB post takes
// more than 12 times as long as the 100 KB one.
#include "markup/bbcodeconverter.h"

#include "foundation/wuxoerror.h"

#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <cstdio>
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
        "[list]\r\n[*]faster [b]start[/b]\r\n[*][i]fewer[/i] crashes\r\n[*][url=http://x.example]more[/url]"
        "\r\n[/list]\r\n",
        "[LIST]\r\n[*]one\r\n[*]two [size=2]small[/size]\r\n[/LIST]\r\n",
        "Thanks to [u]all[/u] of [i]you[/i] [b]for[/b] the [font=Arial][color=green]reports[/color][/font]!\r\n",
    };
    QString post;
    post.reserve(length + 200);
    for (int i = 0; post.size() < length; ++i)
        post += paragraphs.at(i % paragraphs.size());
    return post;
}

struct Measure
{
    double medianMs;
    qsizetype resultLength;
};

Measure measure(const QString &post, int runs)
{
    std::vector<double> times;
    qsizetype resultLength = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const QString html = ConvertPostToHtml(post);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        resultLength = html.size();
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], resultLength};
}

} // namespace

int main()
{
    constexpr int runs = 15;
    constexpr double limitMs = 30.0;
    constexpr double limitGrowth = 12.0;
    const QString small = tagDensePost(100 * 1000);
    const QString large = tagDensePost(1000 * 1000);
    try {
        ConvertPostToHtml(small); // warm up
        const Measure smallTime = measure(small, runs);
        const Measure largeTime = measure(large, runs);
        const double growth = largeTime.medianMs / smallTime.medianMs;
        const auto report = [](const char *name, const QString &post, const Measure &m) {
            std::printf("%-8s %8lld chars -> %9lld chars  median %8.3f ms  %7.1f MB/s\n", name,
                        static_cast<long long>(post.size()), static_cast<long long>(m.resultLength),
                        m.medianMs, double(post.size()) / 1e6 / (m.medianMs / 1000.0));
        };
        report("100 KB", small, smallTime);
        report("1 MB", large, largeTime);
        std::printf("growth 1 MB / 100 KB: %.2f (limit %.0f); 1 MB limit %.0f ms\n", growth, limitGrowth,
                    limitMs);
        if (largeTime.medianMs > limitMs || growth > limitGrowth) {
            std::printf("FAILED\n");
            return 1;
        }
        return 0;
    } catch (const WuxoError &error) {
        std::printf("conversion failed: %s\n", error.what());
        return 2;
    }
}
