#include "bbcodeconverter.h"

#include "foundation/conversions.h"
#include "foundation/wuxoerror.h"
#include "linkpass.h"
#include "positionqueue.h"
#include "textedits.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

namespace {

constexpr std::array<QStringView, 12> tagNames = {u"font", u"size",  u"color", u"url",
                                                  u"email", u"img",  u"quote", u"code",
                                                  u"list",  u"b",    u"i",     u"u"};

constexpr QStringView spanClosing = u"</span>";

[[noreturn]] void fail(int number, const QString &detail)
{
    throw WuxoError(number, WuxoError::standardDescription(number) + QStringLiteral(": ") + detail);
}

// The working text's length as the passes change it; it may not pass the limit.
class LengthBudget
{
public:
    LengthBudget(qsizetype length, qsizetype limit)
        : m_length(length),
          m_limit(limit)
    {
    }
    qsizetype limit() const { return m_limit; }
    void reset(qsizetype length) { m_length = length; }
    void grow(qsizetype delta)
    {
        m_length += delta;
        if (m_length > m_limit)
            fail(ErrorNumber::OutOfMemory,
                 QStringLiteral("the converted post would be longer than %1 characters").arg(m_limit));
    }

private:
    qsizetype m_length;
    qsizetype m_limit;
};

QString shortened(QStringView value)
{
    constexpr qsizetype shown = 40;
    return value.size() <= shown ? value.toString() : value.left(shown).toString() + QStringLiteral("...");
}

// Tags written in capitals become lower case, one tag at a time; mixed case is
// left alone, so "[Url]" is never converted.
QString normalised(const QString &post)
{
    QString text = post;
    const QStringView view(post);
    for (qsizetype at = view.indexOf(u'['); at >= 0; at = view.indexOf(u'[', at + 1)) {
        const bool closing = at + 1 < view.size() && view.at(at + 1) == u'/';
        const qsizetype nameStart = at + (closing ? 2 : 1);
        for (QStringView name : tagNames) {
            const qsizetype end = nameStart + name.size();
            if (end >= view.size())
                continue;
            const QChar after = view.at(end);
            if (after != u']' && !(after == u'=' && !closing))
                continue;
            bool capitals = true;
            for (qsizetype i = 0; i < name.size() && capitals; ++i)
                capitals = view.at(nameStart + i) == name.at(i).toUpper();
            if (!capitals)
                continue;
            QChar *data = text.data();
            for (qsizetype i = 0; i < name.size(); ++i)
                data[nameStart + i] = name.at(i);
            break;
        }
    }
    return text;
}

QString tagText(QStringView before, QStringView name, QStringView after)
{
    QString text = before.toString();
    text.append(name);
    text.append(after);
    return text;
}

std::vector<qsizetype> positionsOf(QStringView text, QStringView pattern)
{
    std::vector<qsizetype> positions;
    for (qsizetype i = text.indexOf(pattern); i >= 0; i = text.indexOf(pattern, i + pattern.size()))
        positions.push_back(i);
    return positions;
}

int sizeInPoints(QStringView value)
{
    qint16 size = 0;
    try {
        size = Conversions::toInteger(value.toString());
    } catch (const WuxoError &error) {
        if (error.number() == ErrorNumber::TypeMismatch)
            fail(error.number(), QStringLiteral("the [size] value \"%1\" is not a number").arg(shortened(value)));
        fail(error.number(), QStringLiteral("the [size] value \"%1\" is out of range").arg(shortened(value)));
    }
    if (size > 32760)
        fail(ErrorNumber::Overflow, QStringLiteral("the [size] value \"%1\" is out of range").arg(shortened(value)));
    return std::min(size + 7, 30);
}

// [font=...], [size=...] or [color=...]. The test for a closing tag looks from
// where the last search ended, which may lie before the opening tag, so an
// opening tag can pass it and still find no closing tag of its own: that fails.
// After a font or colour tag the search goes on inside its value.
QString convertValueTags(const QString &text, QStringView name, LengthBudget &budget)
{
    const bool isSize = name == u"size";
    const qsizetype tagLength = name.size() + 2;
    const qsizetype closingLength = name.size() + 3;
    const QStringView spanOpening = name == u"font" ? QStringView(u"<span style='font-family:")
                                                    : QStringView(u"<span style='color:");
    const std::vector<qsizetype> openings = positionsOf(text, tagText(u"[", name, u"="));
    PositionQueue closings(text, tagText(u"[/", name, u"]"));
    PositionQueue brackets(text, u"]");
    std::vector<qsizetype> usedClosings;
    TextEdits edits(text, 3);
    qsizetype searchFrom = 0;
    for (const qsizetype opening : openings) {
        if (opening < searchFrom)
            continue;
        if (closings.first(searchFrom) < 0)
            break;
        const qsizetype valueStart = opening + tagLength;
        const qsizetype valueEnd = brackets.first(valueStart);
        if (valueEnd < 0)
            fail(ErrorNumber::InvalidArgument,
                 QStringLiteral("[%1= tag without a \"]\" after its value").arg(name));
        brackets.remove(valueEnd);
        // A closing tag whose "]" ended the value is gone with it.
        closings.remove(valueEnd - (closingLength - 1));
        qsizetype delta = 0;
        if (isSize) {
            QString value;
            qsizetype from = valueStart;
            for (auto used = std::lower_bound(usedClosings.begin(), usedClosings.end(), valueStart);
                 used != usedClosings.end() && *used < valueEnd; ++used) {
                value += QStringView(text).mid(from, *used - from);
                value += spanClosing;
                from = *used + closingLength;
            }
            value += QStringView(text).mid(from, valueEnd - from);
            const QString span = QStringLiteral("<span style='font-size:%1pt;line-height:100%'>")
                                     .arg(sizeInPoints(value));
            edits.replaceWithCopy(0, opening, valueEnd + 1 - opening, span);
            delta += span.size() - (valueEnd + 1 - opening);
            searchFrom = valueEnd + 1;
        } else {
            edits.replace(0, opening, tagLength, spanOpening);
            edits.replace(1, valueEnd, 1, u"'>");
            delta += spanOpening.size() - tagLength + 1;
            searchFrom = valueStart;
        }
        const qsizetype closing = closings.first(valueStart);
        if (closing < 0)
            fail(ErrorNumber::InvalidArgument,
                 QStringLiteral("[%1=...] tag without a closing tag after it").arg(name));
        closings.remove(closing);
        brackets.remove(closing + closingLength - 1);
        usedClosings.push_back(closing);
        edits.replace(2, closing, closingLength, spanClosing);
        budget.grow(delta + spanClosing.size() - closingLength);
    }
    return edits.apply();
}

struct TagPair
{
    QStringView opening;
    QStringView closing;
    QStringView openingHtml;
    QStringView closingHtml;
};

// Tags that pair an opening tag with the first closing tag after it and keep
// the text between as it is. The names of one call never meet each other, so
// their edits are gathered together and applied once.
QString convertPairs(const QString &text, std::initializer_list<TagPair> pairs, LengthBudget &budget)
{
    TextEdits edits(text, int(pairs.size()) * 2);
    int channel = 0;
    for (const TagPair &pair : pairs) {
        PositionQueue closings(text, pair.closing);
        const qsizetype delta = pair.openingHtml.size() - pair.opening.size() + pair.closingHtml.size()
            - pair.closing.size();
        for (qsizetype opening = text.indexOf(pair.opening); opening >= 0;
             opening = text.indexOf(pair.opening, opening + pair.opening.size())) {
            const qsizetype closing = closings.first(opening);
            if (closing < 0)
                break;
            closings.remove(closing);
            edits.replace(channel, opening, pair.opening.size(), pair.openingHtml);
            edits.replace(channel + 1, closing, pair.closing.size(), pair.closingHtml);
            budget.grow(delta);
        }
        channel += 2;
    }
    return edits.apply();
}

// [list] blocks. Each "[*]" runs to the next line break of its block, which
// becomes "</li>"; a line break directly after "[list]" is dropped. A list
// inside a list gets whatever items its outer list left unconverted.
QString convertLists(const QString &text, LengthBudget &budget)
{
    constexpr QStringView opening = u"[list]";
    constexpr QStringView closingTag = u"[/list]";
    PositionQueue closings(text, closingTag);
    PositionQueue items(text, u"[*]");
    PositionQueue breaks(text, u"\r\n");
    TextEdits edits(text, 4);
    for (qsizetype start = text.indexOf(opening); start >= 0;
         start = text.indexOf(opening, start + opening.size())) {
        const qsizetype closing = closings.first(start);
        if (closing < 0)
            break;
        qsizetype tagLength = opening.size();
        if (start + 7 < closing && breaks.contains(start + 6)) {
            breaks.remove(start + 6);
            tagLength += 2;
        }
        edits.replace(0, start, tagLength, u"<ul>");
        qsizetype delta = 4 - tagLength;
        for (qsizetype item = items.first(start + tagLength); item >= 0 && item < closing;
             item = items.first(item + 3)) {
            items.remove(item);
            const qsizetype lineBreak = breaks.first(item + 3);
            if (lineBreak < 0 || lineBreak > closing)
                fail(ErrorNumber::InvalidArgument,
                     QStringLiteral("a list item [*] without a line break after it in its list"));
            breaks.remove(lineBreak);
            edits.replace(1, item, 3, u"<li>");
            edits.replace(2, lineBreak, 2, u"</li>");
            delta += 4;
        }
        closings.remove(closing);
        edits.replace(3, closing, closingTag.size(), u"</ul>");
        budget.grow(delta - 2);
    }
    return edits.apply();
}

QString convertLineBreaks(const QString &text, LengthBudget &budget)
{
    const qsizetype breaks = text.count(u"\r\n");
    budget.grow(4 * breaks);
    if (breaks == 0)
        return text;
    QString result;
    result.reserve(text.size() + 4 * breaks);
    qsizetype done = 0;
    for (qsizetype at = text.indexOf(u"\r\n"); at >= 0; at = text.indexOf(u"\r\n", at + 2)) {
        result.append(QStringView(text).mid(done, at - done));
        result.append(u"<br />");
        done = at + 2;
    }
    result.append(QStringView(text).mid(done));
    return result;
}

} // namespace

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
    LengthBudget budget(post.size(), lengthLimit);
    QString text = normalised(post);
    for (QStringView name : {u"font", u"size", u"color"})
        text = convertValueTags(text, name, budget);
    text = LinkPass(text, LinkPass::Kind::Web, lengthLimit).run();
    text = LinkPass(text, LinkPass::Kind::Mail, lengthLimit).run();
    budget.reset(text.size());
    text = convertPairs(
        text,
        {{u"[img]", u"[/img]", u"<img src='", u"' border='0' alt='user posted image' />"},
         {u"[quote]", u"[/quote]",
          u"<!--QuoteBegin--></div><table border='0' align='center' width='95%' cellpadding='3' "
          u"cellspacing='1'><tr><td><b>QUOTE</b> </td></tr><tr><td id='QUOTE'><!--QuoteEBegin-->",
          u"<!--QuoteEnd--></td></tr></table><div class='postcolor'><!--QuoteEEnd-->"},
         {u"[code]", u"[/code]",
          u"<!--c1--></div><table border='0' align='center' width='95%' cellpadding='3' "
          u"cellspacing='1'><tr><td><b>CODE</b> </td></tr><tr><td id='CODE'><!--ec1-->",
          u"<!--c2--></td></tr></table><div class='postcolor'><!--ec2-->"}},
        budget);
    text = convertLists(text, budget);
    text = convertPairs(text,
                        {{u"[b]", u"[/b]", u"<b>", u"</b>"},
                         {u"[i]", u"[/i]", u"<i>", u"</i>"},
                         {u"[u]", u"[/u]", u"<u>", u"</u>"}},
                        budget);
    return convertLineBreaks(text, budget);
}
