// The BBCode-to-HTML conversion: its passes share one conversion's buffers,
// budget and tag tables, and stand in the order they run.
#include "bbcodeconverter.h"

#include "conversiontrace.h"
#include "foundation/conversions.h"
#include "foundation/wuxoerror.h"
#include "linkpass.h"
#include "positionqueue.h"
#include "tagscan.h"
#include "textedits.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

namespace {

constexpr std::array<QStringView, 12> tagNames
    = {u"font",  u"size", u"color", u"url", u"email", u"img",
       u"quote", u"code", u"list",  u"b",   u"i",     u"u"};

constexpr QStringView spanClosing = u"</span>";

// Buffers between passes larger than this (in characters) are let go after a conversion.
constexpr qsizetype keptBufferCapacity = qsizetype(4) * 1024 * 1024;

[[noreturn]] void fail(int number, const QString &detail)
{
    throw WuxoError(number, WuxoError::standardDescription(number) + QStringLiteral(": ") + detail);
}

// The working text's length as the passes change it; it may not pass the limit.
class LengthBudget
{
public:
    LengthBudget(qsizetype length, qsizetype limit) : m_length(length), m_limit(limit) { }
    void reset(qsizetype length) { m_length = length; }
    void grow(qsizetype delta)
    {
        m_length += delta;
        if (m_length > m_limit)
            fail(ErrorNumber::OutOfMemory,
                 QCoreApplication::translate(
                     "BBCodeConverter", "the converted post would be longer than %1 characters")
                     .arg(m_limit));
    }

private:
    qsizetype m_length;
    qsizetype m_limit;
};

QString shortened(QStringView value)
{
    constexpr qsizetype shown = 40;
    return value.size() <= shown ? value.toString()
                                 : value.left(shown).toString() + QStringLiteral("...");
}

// Where the characters of the text a pass reads come from, and where the
// characters of its result do, when the conversion is traced.
struct Origins
{
    const std::vector<qsizetype> *in = nullptr;
    std::vector<qsizetype> *out = nullptr;
    qsizetype *failedAt = nullptr;

    void blame(qsizetype position) const
    {
        if (in && failedAt)
            *failedAt = (*in)[size_t(position)];
    }
    void apply(TextEdits &edits, QString &result) const
    {
        if (in)
            edits.apply(result, *in, *out);
        else
            edits.apply(result);
    }
};

// Tags written in capitals become lower case, one tag at a time; mixed case is
// left alone, so "[Url]" is never converted. Returns false, leaving out as it
// was, when no tag is written in capitals.
bool normalise(QStringView post, QString &out)
{
    const qsizetype size = post.size();
    QChar *data = nullptr;
    const char16_t *chars = post.utf16();
    for (qsizetype at = 0; at < size; ++at) {
        if (chars[at] != u'[')
            continue;
        const bool closing = at + 1 < size && post.at(at + 1) == u'/';
        const qsizetype nameStart = at + (closing ? 2 : 1);
        // Most tags are written in lower case: only a capital letter can start a change.
        if (nameStart >= size || post.at(nameStart) < u'A' || post.at(nameStart) > u'U')
            continue;
        for (QStringView name : tagNames) {
            const qsizetype end = nameStart + name.size();
            if (end >= size)
                continue;
            const QChar after = post.at(end);
            if (after != u']' && !(after == u'=' && !closing))
                continue;
            bool capitals = true;
            for (qsizetype i = 0; i < name.size() && capitals; ++i)
                capitals = post.at(nameStart + i).unicode() == name.at(i).unicode() - (u'a' - u'A');
            if (!capitals)
                continue;
            if (!data) {
                out.resize(size);
                data = out.data();
                std::memcpy(static_cast<void *>(data), post.data(), size_t(size) * sizeof(QChar));
            }
            for (qsizetype i = 0; i < name.size(); ++i)
                data[nameStart + i] = name.at(i);
            break;
        }
    }
    return data != nullptr;
}

int sizeInPoints(QStringView value)
{
    qint16 size = 0;
    try {
        size = Conversions::toInteger(value.toString());
    } catch (const WuxoError &error) {
        if (error.number() == ErrorNumber::TypeMismatch)
            fail(error.number(),
                 QCoreApplication::translate("BBCodeConverter",
                                             "the [size] value \"%1\" is not a number")
                     .arg(shortened(value)));
        fail(error.number(),
             QCoreApplication::translate("BBCodeConverter",
                                         "the [size] value \"%1\" is out of range")
                 .arg(shortened(value)));
    }
    if (size > 32760)
        fail(ErrorNumber::Overflow,
             QCoreApplication::translate("BBCodeConverter",
                                         "the [size] value \"%1\" is out of range")
                 .arg(shortened(value)));
    return std::min(size + 7, 30);
}

// [font=...], [size=...] and [color=...], one name after the other, all edited
// in the positions of the text they start from: no name's edits overlap
// another's, except inside a [size] value, which then is not a number.
class ValueTags
{
public:
    ValueTags(QStringView text, LengthBudget &budget, const Origins &origins)
        : m_text(text), m_budget(budget), m_origins(origins), m_edits(text)
    {
        auto found = TagScan::find(
            text, {u"[font=", u"[/font]", u"[size=", u"[/size]", u"[color=", u"[/color]"},
            TagScan::Marks::Brackets);
        for (size_t name = 0; name < 3; ++name) {
            m_openings[name] = std::move(found.tags[2 * name]);
            m_closings[name] = PositionQueue(std::move(found.tags[2 * name + 1]));
        }
        m_brackets = PositionQueue(std::move(found.marks));
    }

    // Returns false, leaving out as it was, when there is nothing to convert.
    bool run(QString &out)
    {
        if (m_openings[0].empty() && m_openings[1].empty() && m_openings[2].empty())
            return false;
        convert(0, u"font");
        convert(1, u"size");
        convert(2, u"color");
        if (m_edits.isEmpty())
            return false;
        m_origins.apply(m_edits, out);
        return true;
    }

private:
    // The test for a closing tag looks from where the last search ended, which
    // may lie before the opening tag: an opening tag can pass it and still find
    // no closing tag of its own, and that fails. After a font or colour tag the
    // search goes on inside its value, which may hold further tags.
    void convert(size_t index, QStringView name)
    {
        const bool isSize = index == 1;
        const qsizetype tagLength = name.size() + 2;
        const qsizetype closingLength = name.size() + 3;
        const QStringView spanOpening = index == 0 ? QStringView(u"<span style='font-family:")
                                                   : QStringView(u"<span style='color:");
        PositionQueue &closings = m_closings[index];
        const int openingChannel
            = isSize ? m_edits.addChannel() : m_edits.addChannel(tagLength, spanOpening);
        const int bracketChannel = m_edits.addChannel(1, u"'>");
        const int closingChannel = m_edits.addChannel(closingLength, spanClosing);
        qsizetype searchFrom = 0;
        for (const qsizetype opening : m_openings[index]) {
            if (opening < searchFrom)
                continue;
            if (closings.first(searchFrom) < 0)
                break;
            const qsizetype valueStart = opening + tagLength;
            const qsizetype valueEnd = m_brackets.first(valueStart);
            if (valueEnd < 0) {
                m_origins.blame(opening);
                fail(ErrorNumber::InvalidArgument,
                     QCoreApplication::translate("BBCodeConverter",
                                                 "[%1= tag without a \"]\" after its value")
                         .arg(name));
            }
            removeBracket(valueEnd);
            qsizetype delta = 0;
            if (isSize) {
                // The value is read as written: where a tag in it was converted
                // already, it is no number either way.
                m_origins.blame(opening);
                const QString span
                    = QStringLiteral("<span style='font-size:%1pt;line-height:100%'>")
                          .arg(sizeInPoints(
                              QStringView(m_text).mid(valueStart, valueEnd - valueStart)));
                m_edits.replaceWithOwned(openingChannel, opening, valueEnd + 1 - opening, span);
                delta += span.size() - (valueEnd + 1 - opening);
                searchFrom = valueEnd + 1;
            } else {
                m_edits.replace(openingChannel, opening);
                m_edits.replace(bracketChannel, valueEnd);
                delta += spanOpening.size() - tagLength + 1;
                searchFrom = valueStart;
            }
            const qsizetype closing = closings.first(valueStart);
            if (closing < 0) {
                m_origins.blame(opening);
                fail(ErrorNumber::InvalidArgument,
                     QCoreApplication::translate("BBCodeConverter",
                                                 "[%1=...] tag without a closing tag after it")
                         .arg(name));
            }
            closings.remove(closing);
            m_brackets.remove(closing + closingLength - 1);
            m_edits.replace(closingChannel, closing);
            m_budget.grow(delta + spanClosing.size() - closingLength);
        }
    }

    // A closing tag whose "]" ended a value is gone with it.
    void removeBracket(qsizetype bracket)
    {
        m_brackets.remove(bracket);
        for (const qsizetype start : {bracket - 6, bracket - 7}) {
            if (start >= 0 && m_text.at(start) == u'[' && m_text.at(start + 1) == u'/') {
                for (PositionQueue &closings : m_closings)
                    closings.remove(start);
            }
        }
    }

    QStringView m_text;
    LengthBudget &m_budget;
    const Origins &m_origins;
    TextEdits m_edits;
    std::array<std::vector<qsizetype>, 3> m_openings;
    std::array<PositionQueue, 3> m_closings;
    PositionQueue m_brackets;
};

struct TagPair
{
    QStringView name;
    QStringView openingHtml;
    QStringView closingHtml;
};

// Images, quote and code blocks, lists, bold, italic and underline, and line
// breaks. None of them meets another's tags, and only lists can fail, so all
// are gathered as edits of one text, in the order the conversion makes them.
class BlockTags
{
public:
    BlockTags(QStringView text, LengthBudget &budget, const Origins &origins)
        : m_text(text), m_budget(budget), m_origins(origins), m_edits(text),
          m_found(TagScan::find(text,
                                {u"[img]", u"[/img]", u"[quote]", u"[/quote]", u"[code]",
                                 u"[/code]", u"[b]", u"[/b]", u"[i]", u"[/i]", u"[u]", u"[/u]",
                                 u"[list]", u"[/list]", u"[*]"},
                                TagScan::Marks::LineBreaks))
    {
    }

    // Where the list tags stand in m_found; the pairs come first, opening and
    // closing tag of each name.
    static constexpr size_t listOpenings = 12;
    static constexpr size_t listClosings = 13;
    static constexpr size_t listItems = 14;

    // Returns false, leaving out as it was, when there is nothing to convert.
    bool run(QString &out)
    {
        convertPairs(
            0, 3,
            {{{u"img", u"<img src='", u"' border='0' alt='user posted image' />"},
              {u"quote",
               u"<!--QuoteBegin--></div><table border='0' align='center' width='95%' "
               u"cellpadding='3' cellspacing='1'><tr><td><b>QUOTE</b> </td></tr><tr><td "
               u"id='QUOTE'><!--QuoteEBegin-->",
               u"<!--QuoteEnd--></td></tr></table><div class='postcolor'><!--QuoteEEnd-->"},
              {u"code",
               u"<!--c1--></div><table border='0' align='center' width='95%' "
               u"cellpadding='3' cellspacing='1'><tr><td><b>CODE</b> </td></tr><tr><td "
               u"id='CODE'><!--ec1-->",
               u"<!--c2--></td></tr></table><div class='postcolor'><!--ec2-->"}}});
        PositionQueue lineBreaks(std::move(m_found.marks));
        convertLists(lineBreaks);
        convertPairs(3, 3,
                     {{{u"b", u"<b>", u"</b>"}, {u"i", u"<i>", u"</i>"}, {u"u", u"<u>", u"</u>"}}});
        std::vector<qsizetype> breaks = lineBreaks.remaining();
        m_budget.grow(4 * qsizetype(breaks.size()));
        m_edits.replaceAll(m_edits.addChannel(2, u"<br />"), std::move(breaks));
        if (m_edits.isEmpty())
            return false;
        m_origins.apply(m_edits, out);
        return true;
    }

private:
    // Each opening tag takes the first closing tag of its name after it that no
    // earlier one took.
    void convertPairs(size_t first, size_t count, const std::array<TagPair, 3> &html)
    {
        for (size_t name = first; name < first + count; ++name) {
            const std::vector<qsizetype> &openings = m_found.tags[2 * name];
            PositionQueue closings(std::move(m_found.tags[2 * name + 1]));
            const TagPair &pair = html[name - first];
            const qsizetype tagLength = pair.name.size() + 2;
            const qsizetype delta
                = pair.openingHtml.size() + pair.closingHtml.size() - 2 * tagLength - 1;
            const int openingChannel = m_edits.addChannel(tagLength, pair.openingHtml);
            const int closingChannel = m_edits.addChannel(tagLength + 1, pair.closingHtml);
            for (const qsizetype opening : openings) {
                const qsizetype closing = closings.first(opening);
                if (closing < 0)
                    break;
                closings.remove(closing);
                m_edits.replace(openingChannel, opening);
                m_edits.replace(closingChannel, closing);
                m_budget.grow(delta);
            }
        }
    }

    // Each "[*]" runs to the next line break of its block, which becomes
    // "</li>"; a line break directly after "[list]" is dropped. A list inside a
    // list gets whatever items its outer list left.
    void convertLists(PositionQueue &lineBreaks)
    {
        const int openingChannel = m_edits.addChannel();
        const int itemChannel = m_edits.addChannel(3, u"<li>");
        const int itemEndChannel = m_edits.addChannel(2, u"</li>");
        const int closingChannel = m_edits.addChannel(7, u"</ul>");
        const std::vector<qsizetype> &openings = m_found.tags[listOpenings];
        PositionQueue closings(std::move(m_found.tags[listClosings]));
        PositionQueue items(std::move(m_found.tags[listItems]));
        for (const qsizetype start : openings) {
            const qsizetype closing = closings.first(start);
            if (closing < 0)
                break;
            qsizetype tagLength = 6;
            if (start + 7 < closing && lineBreaks.contains(start + 6)) {
                lineBreaks.remove(start + 6);
                tagLength += 2;
            }
            m_edits.replace(openingChannel, start, tagLength, u"<ul>");
            qsizetype delta = 4 - tagLength;
            for (qsizetype item = items.first(start + tagLength); item >= 0 && item < closing;
                 item = items.first(item + 3)) {
                items.remove(item);
                const qsizetype lineBreak = lineBreaks.first(item + 3);
                if (lineBreak < 0 || lineBreak > closing) {
                    m_origins.blame(item);
                    fail(ErrorNumber::InvalidArgument,
                         QStringLiteral(
                             "a list item [*] without a line break after it in its list"));
                }
                lineBreaks.remove(lineBreak);
                m_edits.replace(itemChannel, item);
                m_edits.replace(itemEndChannel, lineBreak);
                delta += 4;
            }
            closings.remove(closing);
            m_edits.replace(closingChannel, closing);
            m_budget.grow(delta - 2);
        }
    }

    QStringView m_text;
    LengthBudget &m_budget;
    const Origins &m_origins;
    TextEdits m_edits;
    TagScan::Found m_found;
};

} // namespace

namespace {

QString convert(const QString &post, qsizetype lengthLimit, ConversionTrace *trace)
{
    // The texts between the passes. Kept from one conversion to the next on
    // each thread: fresh memory for every pass of a long post costs more than
    // the conversion itself.
    thread_local std::array<QString, 2> between;
    struct LetGoOfLargeBuffers
    {
        ~LetGoOfLargeBuffers()
        {
            for (QString &buffer : between) {
                if (buffer.capacity() > keptBufferCapacity)
                    buffer = QString();
            }
        }
    } letGo;
    // A buffer that the last HTML took along is made once large enough for
    // what a tag-dense post grows to: growing it pass by pass copies it each
    // time. Longer posts, whose buffers are let go anyway, grow them as needed.
    const qsizetype grownPost = 3 * post.size();
    for (QString &buffer : between) {
        if (buffer.capacity() < post.size() && grownPost <= keptBufferCapacity)
            buffer.reserve(grownPost);
    }
    QStringView text = post;
    bool rewritten = false; // text is between[spare ^ 1], no longer the post
    size_t spare = 0;
    const auto advance = [&](bool changed) {
        if (changed) {
            text = between[spare];
            spare ^= 1;
            rewritten = true;
        }
    };
    // Traced, each pass reads the origins of its text from one of these and
    // writes those of its result to the other.
    std::array<std::vector<qsizetype>, 2> origins;
    size_t current = 0;
    Origins tracing;
    if (trace) {
        origins[0].resize(size_t(post.size()));
        std::iota(origins[0].begin(), origins[0].end(), qsizetype(0));
        tracing = {&origins[0], &origins[1], &trace->errorPosition};
    }
    const auto tracedAdvance = [&](bool changed) {
        advance(changed);
        if (changed && trace) {
            current ^= 1;
            tracing.in = &origins[current];
            tracing.out = &origins[current ^ 1];
        }
    };
    const auto linkPass = [&](LinkPass::Kind kind) {
        LinkPass pass(text, kind, lengthLimit);
        if (trace)
            pass.traceOrigins(tracing.in, tracing.out, tracing.failedAt);
        return pass.run(between[spare]);
    };

    LengthBudget budget(post.size(), lengthLimit);
    advance(normalise(text, between[spare]));
    if (trace)
        trace->normalised = text.toString();
    tracedAdvance(ValueTags(text, budget, tracing).run(between[spare]));
    tracedAdvance(linkPass(LinkPass::Kind::Web));
    tracedAdvance(linkPass(LinkPass::Kind::Mail));
    budget.reset(text.size());
    // The HTML leaves with the buffer it was written to, memory that the passes
    // have touched already, rather than in memory of its own.
    if (BlockTags(text, budget, tracing).run(between[spare])) {
        if (trace)
            trace->origin = std::move(origins[current ^ 1]);
        return std::move(between[spare]);
    }
    if (trace)
        trace->origin = std::move(origins[current]);
    if (rewritten)
        return std::move(between[spare ^ 1]);
    return post;
}

} // namespace

std::span<const QStringView> ConvertedTagNames()
{
    return tagNames;
}

qsizetype htmlLengthLimit(qsizetype postLength)
{
    return std::max(qsizetype(8) * 1024 * 1024, 32 * postLength);
}

QString ConvertPostToHtml(const QString &post)
{
    return ConvertPostToHtml(post, htmlLengthLimit(post.size()));
}

QString ConvertPostToHtml(const QString &post, qsizetype lengthLimit)
{
    return convert(post, lengthLimit, nullptr);
}

QString ConvertPostToHtml(const QString &post, qsizetype lengthLimit, ConversionTrace &trace)
{
    trace = ConversionTrace();
    try {
        QString html = convert(post, lengthLimit, &trace);
        trace.errorPosition = -1;
        return html;
    } catch (const WuxoError &error) {
        trace.origin.clear();
        // Running out of room is the whole post's doing, not one tag's.
        if (error.number() == ErrorNumber::OutOfMemory)
            trace.errorPosition = -1;
        trace.errorNumber = error.number();
        trace.errorDescription = error.description();
        throw;
    }
}
