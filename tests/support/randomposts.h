#pragma once

// Random posts for the converter's tests: tags, tag fragments, values and
// words in every letter case, from a generator that is the same everywhere.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace {

// A small deterministic generator, the same on every platform.
class Random
{
public:
    explicit Random(std::uint64_t seed) : m_state(seed) { }
    std::uint32_t next()
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return std::uint32_t(m_state >> 33);
    }
    int below(int bound) { return int(next() % std::uint32_t(bound)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint64_t m_state;
};

QString inCase(Random &random, QString piece)
{
    const int letterCase = random.below(10);
    if (letterCase < 2) {
        piece = piece.toUpper();
    } else if (letterCase == 2) {
        for (QChar &c : piece)
            c = random.chance(50) ? c.toUpper() : c;
    }
    return piece;
}

template<typename List> QString pick(Random &random, const List &list)
{
    return list.at(random.below(int(list.size())));
}

// Text made of tags, tag fragments, values and words, in every letter case,
// with tags of one name around other text now and then.
QString randomText(Random &random, int depth)
{
    static const QStringList tags = {"[b]",
                                     "[/b]",
                                     "[i]",
                                     "[/i]",
                                     "[u]",
                                     "[/u]",
                                     "[font=",
                                     "[/font]",
                                     "[size=",
                                     "[/size]",
                                     "[color=",
                                     "[/color]",
                                     "[url]",
                                     "[url=",
                                     "[url",
                                     "[/url]",
                                     "[email]",
                                     "[email=",
                                     "[email",
                                     "[/email]",
                                     "[img]",
                                     "[/img]",
                                     "[quote]",
                                     "[/quote]",
                                     "[code]",
                                     "[/code]",
                                     "[list]",
                                     "[/list]",
                                     "[*]",
                                     "[list]\r\n",
                                     "[font=Arial]",
                                     "[color=red]",
                                     "[size=7]",
                                     "[size=32761]",
                                     "[size=-40000]",
                                     "[url=page.html]",
                                     "[email=me@here]",
                                     "[Bold]",
                                     "[bX]",
                                     "[LIST=",
                                     "[B="};
    static const QStringList names
        = {"font", "size", "color", "url", "email", "img", "quote", "code", "list", "b", "i", "u"};
    static const QStringList values
        = {"7",   "40",  "-20",  "2.5", "3.5", "big",    "32760", "32761",
           " 9 ", "1e1", "&H10", "0",   "",    "-32768", "1,5",   "40000"};
    static const QStringList text = {"a",    "word ", "x",  " ",  "]",   "[",      "[/", "=",
                                     "\r\n", "\r\n",  "\r", "\n", "<i>", "[post]", "é"};
    QString post;
    const int pieces
        = depth > 0 ? 1 + random.below(4) : 1 + random.below(random.chance(10) ? 40 : 16);
    for (int i = 0; i < pieces; ++i) {
        const int kind = random.below(depth < 3 ? 12 : 10);
        if (kind < 5) {
            post += inCase(random, pick(random, tags));
        } else if (kind < 7) {
            post += pick(random, values);
        } else if (kind < 10) {
            post += pick(random, text);
        } else if (kind == 10) {
            // A tag around more text, sometimes with a value, sometimes as a list.
            const QString name = pick(random, names);
            QString opening
                = "[" + name + (random.chance(30) ? "=" + pick(random, values) : QString()) + "]";
            if (name == "list" && random.chance(60)) {
                opening += "\r\n";
                QString items;
                for (int item = random.below(4); item > 0; --item)
                    items += QStringLiteral("[*]") + randomText(random, depth + 1) + "\r\n";
                post += inCase(random, opening) + items + inCase(random, "[/list]");
            } else {
                post += inCase(random, opening) + randomText(random, depth + 1)
                    + inCase(random, "[/" + name + "]");
            }
        } else if (random.chance(15)) {
            // Plain links inside plain links double the text at every level.
            const QString name = random.chance(70) ? "url" : "email";
            const int levels = 2 + random.below(8);
            post += inCase(random, "[" + name + "]").repeated(levels)
                + randomText(random, depth + 1)
                + inCase(random, "[/" + name + "]").repeated(levels);
        }
    }
    return post;
}

QString randomPost(Random &random)
{
    return randomText(random, 0);
}

} // namespace
