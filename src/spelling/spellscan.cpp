#include "spellscan.h"

#include "spelling/spellchecker.h"

#include <QString>

#include <algorithm>
#include <array>
#include <optional>

namespace {

using SpellScan::State;
using SpellScan::Word;

constexpr std::array<QStringView, 12> tagNames
    = {u"font",  u"size", u"color", u"url", u"email", u"img",
       u"quote", u"code", u"list",  u"b",   u"i",     u"u"};

struct Tag
{
    QStringView name;
    bool closing = false;
    bool hasValue = false;
    qsizetype end = 0; // just after its "]"
};

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The tag that starts at `at` (a "["), in any letter case; nullopt when the
// brackets hold something else.
std::optional<Tag> tagAt(QStringView line, qsizetype at)
{
    Tag tag;
    qsizetype i = at + 1;
    if (i < line.size() && line[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    const qsizetype nameStart = i;
    if (i < line.size() && line[i] == u'*' && !tag.closing) {
        ++i;
    } else {
        while (i < line.size() && isAsciiLetter(line[i]))
            ++i;
    }
    tag.name = line.sliced(nameStart, i - nameStart);
    const bool known = tag.name == u"*"
        || std::any_of(tagNames.begin(), tagNames.end(), [&tag](QStringView name) {
                           return tag.name.compare(name, Qt::CaseInsensitive) == 0;
                       });
    if (!known || i >= line.size())
        return std::nullopt;
    if (line[i] == u'=' && !tag.closing && tag.name != u"*") {
        const qsizetype close = line.indexOf(u']', i + 1);
        if (close < 0)
            return std::nullopt;
        tag.hasValue = true;
        tag.end = close + 1;
        return tag;
    }
    if (line[i] != u']')
        return std::nullopt;
    tag.end = i + 1;
    return tag;
}

bool isNamed(const Tag &tag, QStringView name)
{
    return tag.name.compare(name, Qt::CaseInsensitive) == 0;
}

// Just after the closing tag of `name` at or after `from`, or -1.
qsizetype afterClosingTag(QStringView line, qsizetype from, QStringView name)
{
    const QString closing = QStringLiteral("[/") + name.toString() + u']';
    const qsizetype at = line.indexOf(closing, from, Qt::CaseInsensitive);
    return at < 0 ? -1 : at + closing.size();
}

// The code point at `i` and how many UTF-16 units it takes.
char32_t codePointAt(QStringView text, qsizetype i, int &units)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        units = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    units = 1;
    return c.unicode();
}

bool isLetter(char32_t c)
{
    return QChar::isLetter(c) || QChar::isMark(c);
}

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == u'\u2019';
}

bool isAlphanumeric(QChar c)
{
    return c.isLetterOrNumber();
}

// A web address ("http://…", "www.…") or an e-mail address ("name@host").
bool isAddress(QStringView run)
{
    if (run.contains(u"://") || run.startsWith(u"www.", Qt::CaseInsensitive))
        return true;
    for (qsizetype at = run.indexOf(u'@'); at >= 0; at = run.indexOf(u'@', at + 1)) {
        if (at > 0 && at + 1 < run.size() && isAlphanumeric(run[at - 1])
            && isAlphanumeric(run[at + 1]))
            return true;
    }
    return false;
}

// The words of a run of text without spaces and without an address in it.
void wordsOfRun(QStringView line, qsizetype from, qsizetype to, QList<Word> &found)
{
    qsizetype i = from;
    while (i < to) {
        int units = 1;
        char32_t c = codePointAt(line, i, units);
        if (!(isLetter(c) || QChar::isDigit(c) || c == U'_')) {
            i += units;
            continue;
        }
        const qsizetype start = i;
        bool skipped = false;
        while (i < to) {
            c = codePointAt(line, i, units);
            if (isLetter(c)) {
                i += units;
            } else if (QChar::isDigit(c) || c == U'_') {
                skipped = true;
                i += units;
            } else if (isApostrophe(line[i]) && i + 1 < to && i > start
                       && (line[i + 1].isLetter() || line[i + 1].isHighSurrogate())) {
                ++i;
            } else {
                break;
            }
        }
        if (!skipped)
            found.append(Word{start, i - start});
    }
}

void wordsOfText(QStringView line, qsizetype from, qsizetype to, QList<Word> &found)
{
    qsizetype i = from;
    while (i < to) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < to && !line[end].isSpace())
            ++end;
        if (!isAddress(line.sliced(i, end - i)))
            wordsOfRun(line, i, end, found);
        i = end;
    }
}

// Goes through the tags of a line; collects its words when `found` is given.
void scanLine(QStringView line, State &state, QList<Word> *found)
{
    qsizetype i = 0;
    if (state == State::Code) {
        i = afterClosingTag(line, 0, u"code");
        if (i < 0)
            return;
        state = State::Text;
    }
    qsizetype textStart = i;
    while (i < line.size()) {
        i = line.indexOf(u'[', i);
        if (i < 0)
            break;
        const std::optional<Tag> tag = tagAt(line, i);
        if (!tag) {
            ++i;
            continue;
        }
        if (found)
            wordsOfText(line, textStart, i, *found);
        i = tag->end;
        if (!tag->closing && isNamed(*tag, u"code")) {
            i = afterClosingTag(line, i, u"code");
            if (i < 0) {
                state = State::Code;
                return;
            }
        } else if (!tag->closing && !tag->hasValue
                   && (isNamed(*tag, u"img") || isNamed(*tag, u"email") || isNamed(*tag, u"url"))) {
            // An address runs up to its closing tag, and never past the line.
            i = afterClosingTag(line, i, tag->name);
            if (i < 0)
                return;
        }
        textStart = i;
    }
    if (found)
        wordsOfText(line, textStart, line.size(), *found);
}

} // namespace

namespace SpellScan {

QList<Word> words(QStringView line, State &state)
{
    QList<Word> found;
    scanLine(line, state, &found);
    return found;
}

State stateAfter(QStringView line, State state)
{
    // Only a code tag changes the state: most lines need no closer look.
    const QStringView changer
        = state == State::Text ? QStringView(u"[code") : QStringView(u"[/code");
    bool changes = false;
    for (qsizetype at = line.indexOf(u'['); at >= 0 && !changes; at = line.indexOf(u'[', at + 1))
        changes = line.sliced(at).startsWith(changer, Qt::CaseInsensitive);
    if (!changes)
        return state;
    scanLine(line, state, nullptr);
    return state;
}

QList<Word> misspelled(QStringView line, State &state, SpellChecker &checker)
{
    QList<Word> found = words(line, state);
    found.removeIf([&](const Word &word) {
        return !checker.isMisspelled(line.sliced(word.start, word.length).toString());
    });
    return found;
}

} // namespace SpellScan
