// Feeds arbitrary posts to the converter: it must not crash, hang or read out
// of bounds, must leave no CR LF in its HTML, and must give what the
// straightforward conversion gives.
#include "conversionoutcome.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Small, so that nested plain links reach it within a few levels.
constexpr qsizetype lengthLimit = 20000;
// The straightforward conversion rebuilds the text for every tag: keep it to short posts.
constexpr size_t longestCompared = 2048;

[[noreturn]] void report(const char *what, const QString &post)
{
    std::fprintf(stderr, "%s\npost: %s\n", what, post.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    // One character per byte, so that every tag and line break is a few bytes away.
    const QString post = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const Outcome real = realOutcome(post, lengthLimit);
    if (real.html && real.html->contains(QStringLiteral("\r\n")))
        report("a line break survived the conversion", post);
    if (real.html && real.html->size() > lengthLimit)
        report("the HTML is longer than the limit", post);
    if (size <= longestCompared) {
        if (real != naiveOutcome(post, lengthLimit))
            report("the converter and the straightforward conversion differ", post);
    }
    return 0;
}
