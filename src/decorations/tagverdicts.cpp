#include "tagverdicts.h"

#include "converter/bbcodeconverter.h"
#include "converter/conversiontrace.h"
#include "foundation/wuxoerror.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

bool takesValue(QStringView name)
{
    return name == u"font" || name == u"size" || name == u"color" || name == u"url"
        || name == u"email";
}

struct Found
{
    TagVerdicts::Tag tag;
    QStringView name; // lower case
    bool closing = false;
};

// Every tag of the post, whatever the converter makes of it.
std::vector<Found> scan(QStringView post)
{
    std::vector<Found> found;
    found.reserve(size_t(post.size() / 16));
    const qsizetype size = post.size();
    for (qsizetype at = post.indexOf(u'['); at >= 0; at = post.indexOf(u'[', at + 1)) {
        if (post.mid(at, 3) == u"[*]") {
            Found item;
            item.tag.start = at;
            item.tag.length = item.tag.headLength = 3;
            item.name = u"*";
            found.push_back(item);
            continue;
        }
        const bool closing = at + 1 < size && post.at(at + 1) == u'/';
        const qsizetype nameStart = at + (closing ? 2 : 1);
        for (QStringView name : ConvertedTagNames()) {
            const qsizetype end = nameStart + name.size();
            if (end >= size
                || post.mid(nameStart, name.size()).compare(name, Qt::CaseInsensitive) != 0)
                continue;
            const QChar after = post.at(end);
            const bool withValue = !closing && after == u'=' && takesValue(name);
            if (after != u']' && !withValue)
                continue;
            Found tag;
            tag.name = name;
            tag.closing = closing;
            tag.tag.start = at;
            tag.tag.headLength = end + 1 - at;
            tag.tag.length = tag.tag.headLength;
            if (withValue) {
                // The value runs to the next "]" on its line.
                qsizetype bracket = end + 1;
                while (bracket < size && post.at(bracket) != u']' && post.at(bracket) != u'\r'
                       && post.at(bracket) != u'[')
                    ++bracket;
                if (bracket < size && post.at(bracket) == u']') {
                    tag.tag.valueStart = end + 1;
                    tag.tag.valueLength = bracket - end - 1;
                    tag.tag.length = bracket + 1 - at;
                }
            }
            found.push_back(tag);
            break;
        }
    }
    return found;
}

QString written(QStringView post, const Found &found)
{
    return post.mid(found.tag.start, found.tag.headLength).toString();
}

QString leftAsTextMessage(QStringView post, QStringView normalised, const Found &found)
{
    const QString tag = written(post, found);
    if (found.name == u"*")
        return QCoreApplication::translate(
            "TagVerdicts",
            "[*] is left as text: a list item works only between [list] and [/list], "
            "with a line break after it.");
    const qsizetype nameOffset = found.closing ? 2 : 1;
    if (normalised.mid(found.tag.start + nameOffset, found.name.size()) != found.name) {
        QString lower = tag;
        lower.replace(nameOffset, found.name.size(), found.name.toString());
        QString upper = lower;
        upper.replace(nameOffset, found.name.size(), found.name.toString().toUpper());
        return QCoreApplication::translate("TagVerdicts", "%1 is left as text: write %2 or %3.")
            .arg(tag, upper, lower);
    }
    const QString name = found.name.toString();
    if (found.closing)
        return QCoreApplication::translate(
                   "TagVerdicts",
                   "%1 is left as text: no [%2] before it is open for it to close. "
                   "Remove it, or add [%2] where the text starts.")
            .arg(tag, name);
    return QCoreApplication::translate(
               "TagVerdicts",
               "%1 is left as text: the preview pairs no [/%2] after it with it. "
               "Add [/%2] where the text ends.")
        .arg(tag, name);
}

QString failureMessage(QStringView post, const Found &found, int number, const QString &description)
{
    const QString name = found.name.toString();
    if (found.name == u"*")
        return QCoreApplication::translate(
                   "TagVerdicts",
                   "This list item needs a line break after it, or the preview fails (error %1). "
                   "End the item's line before [/list].")
            .arg(number);
    if (found.name == u"size" && number != ErrorNumber::InvalidArgument) {
        const QString value = post.mid(found.tag.valueStart, found.tag.valueLength).toString();
        if (number == ErrorNumber::TypeMismatch)
            return QCoreApplication::translate(
                       "TagVerdicts",
                       "The preview fails (error %1): the size \"%2\" is not a number. "
                       "Write a whole number, like [size=12].")
                .arg(number)
                .arg(value);
        return QCoreApplication::translate(
                   "TagVerdicts",
                   "The preview fails (error %1): the size %2 is out of range. "
                   "Write a small whole number, like [size=12].")
            .arg(number)
            .arg(value);
    }
    if (description.contains(u"directly followed"))
        return QCoreApplication::translate("TagVerdicts",
                                           "The preview fails (error %1): this link is empty. "
                                           "Write the address between [url] and [/url].")
            .arg(number);
    if (description.contains(u"\"]\""))
        return QCoreApplication::translate(
                   "TagVerdicts",
                   "The preview fails (error %1): the value of [%2= has no \"]\" after it. "
                   "Write it as [%2=value]text[/%2].")
            .arg(number)
            .arg(name);
    return QCoreApplication::translate(
               "TagVerdicts",
               "The preview fails (error %1): no [/%2] after this tag closes it. "
               "Add [/%2] where the text ends.")
        .arg(number)
        .arg(name);
}

// Posts failing again and again are read again with the failing tag taken out
// this many times, so the tags after it still show what the preview would do.
constexpr int failuresShown = 3;

} // namespace

TagVerdicts TagVerdicts::analyse(const QString &post)
{
    TagVerdicts verdicts;
    std::vector<Found> found = scan(post);
    if (found.empty())
        return verdicts;

    QString attempt = post;
    std::vector<std::pair<qsizetype, ConversionTrace>> failures;
    ConversionTrace trace;
    bool converted = false;
    for (int round = 0; round <= failuresShown && !converted; ++round) {
        try {
            ConvertPostToHtml(attempt, htmlLengthLimit(attempt.size()), trace);
            converted = true;
        } catch (const WuxoError &) {
            if (failures.empty()) {
                verdicts.m_errorNumber = trace.errorNumber;
                verdicts.m_errorPosition = trace.errorPosition;
            }
            if (trace.errorPosition < 0 || attempt.at(trace.errorPosition) != u'[')
                break;
            failures.emplace_back(trace.errorPosition, trace);
            // Any character but "[" takes the tag out and keeps every position.
            attempt[trace.errorPosition] = u'(';
        }
    }

    // For each tag, whether the page shows it: 0 no copy of it, 1 every copy
    // intact, 2 some copy broken (another tag's value took its "]", or one of
    // the two copies of a plain link's address converted it).
    std::vector<char> shown;
    if (converted) {
        std::vector<quint8> headAt(size_t(post.size()), 0); // a head is at most "[/email]" long
        for (const Found &each : found)
            headAt[size_t(each.tag.start)] = quint8(each.tag.headLength);
        shown.assign(size_t(post.size()), 0);
        const std::vector<qsizetype> &origin = trace.origin;
        for (size_t q = 0; q < origin.size(); ++q) {
            const qsizetype at = origin[q];
            if (at < 0 || headAt[size_t(at)] == 0)
                continue;
            const qsizetype head = headAt[size_t(at)];
            bool intact = q + size_t(head) <= origin.size();
            for (qsizetype i = 1; intact && i < head; ++i)
                intact = origin[q + size_t(i)] == at + i;
            char &state = shown[size_t(at)];
            state = intact && state != 2 ? 1 : 2;
        }
    }
    verdicts.m_tags.reserve(found.size());
    for (Found &each : found) {
        Tag &tag = each.tag;
        const auto failure = std::find_if(failures.begin(), failures.end(),
                                          [&](const auto &f) { return f.first == tag.start; });
        if (failure != failures.end()) {
            tag.verdict = Verdict::Fails;
            tag.errorNumber = failure->second.errorNumber;
            tag.message
                = failureMessage(post, each, tag.errorNumber, failure->second.errorDescription);
        } else if (!converted) {
            continue; // nothing is known of tags while the post fails in a way no tag is blamed for
        } else if (shown[size_t(tag.start)] == 2) {
            continue;
        } else if (shown[size_t(tag.start)] == 1) {
            tag.verdict = Verdict::LeftAsText;
            tag.message = leftAsTextMessage(post, trace.normalised, each);
        } else {
            tag.verdict = Verdict::Converted;
        }
        verdicts.m_tags.push_back(std::move(tag));
    }
    return verdicts;
}
