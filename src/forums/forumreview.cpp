#include "forumreview.h"

#include "converter/bbcodeconverter.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>

using Tag = TagVerdicts::Tag;
using SizeUnit = ForumProfile::SizeUnit;

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("ForumReview", text);
}

// The points of a web page's seven text sizes.
constexpr std::array<double, 7> stepPoints{7.5, 10, 12, 13.5, 18, 24, 36};

// A forum's 100 per cent: the normal text of a web page.
constexpr double normalPoints = 12;

// The longest tag the forum review looks at, "]" included.
constexpr qsizetype longestTag = 256;

struct Written
{
    QString name; // lower case, "*" for a list item
    bool closing = false;
    QStringView value; // after "=", up to "]"; empty when none
    bool hasValue = false;
};

// What a tag of `length` characters at `start` says.
Written readTag(QStringView post, qsizetype start, qsizetype length)
{
    Written tag;
    QStringView inside = post.mid(start + 1, length - 2);
    if (inside.startsWith(u'/')) {
        tag.closing = true;
        inside = inside.mid(1);
    }
    qsizetype end = 0;
    while (end < inside.size() && inside.at(end) != u'=' && inside.at(end) != u' ')
        ++end;
    tag.name = inside.left(end).toString().toLower();
    if (end < inside.size() && inside.at(end) == u'=') {
        tag.hasValue = true;
        tag.value = inside.mid(end + 1).trimmed();
    }
    return tag;
}

QString upper(const QString &name)
{
    return name.toUpper();
}

// What a tag makes, in the words "leave the ... out".
QString noun(const QString &name)
{
    static const QList<std::pair<QString, const char *>> nouns{
        {QStringLiteral("font"), QT_TRANSLATE_NOOP("ForumReview", "font")},
        {QStringLiteral("size"), QT_TRANSLATE_NOOP("ForumReview", "size")},
        {QStringLiteral("color"), QT_TRANSLATE_NOOP("ForumReview", "colour")},
        {QStringLiteral("url"), QT_TRANSLATE_NOOP("ForumReview", "link")},
        {QStringLiteral("email"), QT_TRANSLATE_NOOP("ForumReview", "e-mail link")},
        {QStringLiteral("img"), QT_TRANSLATE_NOOP("ForumReview", "image")},
        {QStringLiteral("quote"), QT_TRANSLATE_NOOP("ForumReview", "quote")},
        {QStringLiteral("code"), QT_TRANSLATE_NOOP("ForumReview", "code block")},
        {QStringLiteral("list"), QT_TRANSLATE_NOOP("ForumReview", "list")},
        {QStringLiteral("*"), QT_TRANSLATE_NOOP("ForumReview", "list item")},
        {QStringLiteral("b"), QT_TRANSLATE_NOOP("ForumReview", "bold")},
        {QStringLiteral("i"), QT_TRANSLATE_NOOP("ForumReview", "italics")},
        {QStringLiteral("u"), QT_TRANSLATE_NOOP("ForumReview", "underline")},
    };
    for (const auto &[tag, word] : nouns) {
        if (tag == name)
            return translated(word);
    }
    return QCoreApplication::translate("ForumReview", "tag");
}

// What a forum makes of a tag the preview does not know, in the words "shows this as ...".
QString description(const QString &name)
{
    static const QList<std::pair<QStringList, const char *>> descriptions{
        {{QStringLiteral("spoiler"), QStringLiteral("ispoiler")},
         QT_TRANSLATE_NOOP("ForumReview", "a spoiler")},
        {{QStringLiteral("s")}, QT_TRANSLATE_NOOP("ForumReview", "struck-through text")},
        {{QStringLiteral("table")}, QT_TRANSLATE_NOOP("ForumReview", "a table")},
        {{QStringLiteral("hr")}, QT_TRANSLATE_NOOP("ForumReview", "a line across the post")},
        {{QStringLiteral("center")}, QT_TRANSLATE_NOOP("ForumReview", "centred text")},
        {{QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("justify"),
          QStringLiteral("align")},
         QT_TRANSLATE_NOOP("ForumReview", "aligned text")},
        {{QStringLiteral("indent")}, QT_TRANSLATE_NOOP("ForumReview", "indented text")},
        {{QStringLiteral("highlight")}, QT_TRANSLATE_NOOP("ForumReview", "highlighted text")},
        {{QStringLiteral("sub")}, QT_TRANSLATE_NOOP("ForumReview", "lowered text")},
        {{QStringLiteral("sup")}, QT_TRANSLATE_NOOP("ForumReview", "raised text")},
        {{QStringLiteral("media"), QStringLiteral("video"), QStringLiteral("youtube")},
         QT_TRANSLATE_NOOP("ForumReview", "an embedded video")},
        {{QStringLiteral("icode"), QStringLiteral("php"), QStringLiteral("html")},
         QT_TRANSLATE_NOOP("ForumReview", "code")},
        {{QStringLiteral("ul"), QStringLiteral("ol"), QStringLiteral("li")},
         QT_TRANSLATE_NOOP("ForumReview", "a list")},
    };
    for (const auto &[tags, words] : descriptions) {
        if (tags.contains(name))
            return translated(words);
    }
    return QString();
}

QString readingOf(SizeUnit unit, int value)
{
    switch (unit) {
    case SizeUnit::Percent:
        return QCoreApplication::translate("ForumReview", "%1 %").arg(value);
    case SizeUnit::Points:
        return QCoreApplication::translate("ForumReview", "%1 points").arg(value);
    case SizeUnit::Pixels:
        return QCoreApplication::translate("ForumReview", "%1 pixels").arg(value);
    case SizeUnit::Steps:
        return QCoreApplication::translate("ForumReview", "size %1 of 7").arg(value);
    case SizeUnit::Unknown:
        break;
    }
    return QString::number(value);
}

QString rangeOf(const ForumProfile &profile)
{
    const QString range = QStringLiteral("%1 to %2").arg(profile.sizeMin).arg(profile.sizeMax);
    switch (profile.sizeUnit) {
    case SizeUnit::Percent:
        return QCoreApplication::translate("ForumReview", "%1 %").arg(range);
    case SizeUnit::Points:
        return QCoreApplication::translate("ForumReview", "%1 points").arg(range);
    case SizeUnit::Pixels:
        return QCoreApplication::translate("ForumReview", "%1 pixels").arg(range);
    default:
        return range;
    }
}

// The value of the forum's unit nearest to `points`, within its range.
int nearestValue(const ForumProfile &profile, double points)
{
    int value = 0;
    switch (profile.sizeUnit) {
    case SizeUnit::Percent:
        value = int(std::lround(points * 100 / normalPoints / 5) * 5);
        break;
    case SizeUnit::Points:
        value = int(std::lround(points));
        break;
    case SizeUnit::Pixels:
        value = int(std::lround(points / 0.75));
        break;
    case SizeUnit::Steps:
        value = 1
            + int(std::min_element(stepPoints.begin(), stepPoints.end(),
                                   [&](double a, double b) {
                                       return std::abs(a - points) < std::abs(b - points);
                                   })
                  - stepPoints.begin());
        break;
    case SizeUnit::Unknown:
        break;
    }
    return std::clamp(value, profile.sizeMin, profile.sizeMax);
}

QString sizeNote(const ForumProfile &profile, QStringView value)
{
    bool ok = false;
    const int size = value.toInt(&ok);
    if (!ok || profile.sizeUnit == SizeUnit::Unknown)
        return QString(); // the preview says what is wrong with it
    const double shown = ForumReview::previewPoints(size);
    const int better = nearestValue(profile, shown);
    if (size < profile.sizeMin || size > profile.sizeMax)
        return QCoreApplication::translate(
                   "ForumReview",
                   "%1 reads sizes from %2 only: write [SIZE=%3] for text the size the preview "
                   "shows")
            .arg(profile.engine, rangeOf(profile))
            .arg(better);
    const double read = ForumReview::forumPoints(profile.sizeUnit, size);
    if (better == size || (read >= shown / 2 && read <= shown * 2))
        return QString();
    return QCoreApplication::translate(
               "ForumReview",
               "%1 reads [SIZE=%2] as %3: write [SIZE=%4] for text the size the preview shows")
        .arg(profile.engine)
        .arg(size)
        .arg(readingOf(profile.sizeUnit, size))
        .arg(better);
}

int colourForm(QStringView value)
{
    static const QRegularExpression name(QStringLiteral("^[a-z]+$"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression hex(QStringLiteral("^#[0-9a-f]{6}$"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression hex3(QStringLiteral("^#[0-9a-f]{3}$"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression rgb(
        QStringLiteral("^rgb\\(\\s*\\d{1,3}\\s*,\\s*\\d{1,3}\\s*,\\s*\\d{1,3}\\s*\\)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QString text = value.toString();
    if (name.match(text).hasMatch())
        return ForumProfile::ColourName;
    if (hex.match(text).hasMatch())
        return ForumProfile::ColourHex;
    if (hex3.match(text).hasMatch())
        return ForumProfile::ColourHex3;
    if (rgb.match(text).hasMatch())
        return ForumProfile::ColourRgb;
    return 0;
}

QString colourNote(const ForumProfile &profile, QStringView value)
{
    if (profile.colourForms == 0 || (colourForm(value) & profile.colourForms))
        return QString();
    QStringList forms;
    if (profile.colourForms & ForumProfile::ColourName)
        forms.append(QCoreApplication::translate("ForumReview", "a colour name"));
    if (profile.colourForms & ForumProfile::ColourHex)
        forms.append(QStringLiteral("#RRGGBB"));
    if (profile.colourForms & ForumProfile::ColourHex3)
        forms.append(QStringLiteral("#RGB"));
    if (profile.colourForms & ForumProfile::ColourRgb)
        forms.append(QStringLiteral("rgb(R, G, B)"));
    return QCoreApplication::translate("ForumReview", "%1 does not read the colour %2: write %3")
        .arg(profile.engine, value.toString(),
             forms.join(QCoreApplication::translate("ForumReview", " or ")));
}

// The forum's word on a tag the preview has a verdict on.
void reviewKnown(const ForumProfile &profile, QStringView post, Tag &tag)
{
    const Written written = readTag(post, tag.start, tag.length);
    if (profile.showsAsText(written.name)) {
        tag.note
            = QCoreApplication::translate(
                  "ForumReview", "%1 shows [%2] as text: leave the %3 out or pick another forum")
                  .arg(profile.engine, upper(written.name), noun(written.name));
        tag.noteWarns = true;
        return;
    }
    if (written.closing || !written.hasValue)
        return;
    if (written.name == u"size")
        tag.note = sizeNote(profile, written.value);
    else if (written.name == u"color")
        tag.note = colourNote(profile, written.value);
    tag.noteWarns = !tag.note.isEmpty();
}

// The forum's word on a tag the preview does not take as one; false: nothing to say.
bool reviewUnknown(const ForumProfile &profile, const Written &written, Tag &tag)
{
    const bool wuxoTag = std::find(ConvertedTagNames().begin(), ConvertedTagNames().end(),
                                   QStringView(written.name))
        != ConvertedTagNames().end();
    if (written.name == u"list" && written.hasValue && !written.closing && profile.listTypesKnown) {
        const QString type = written.value.toString();
        if (profile.listTypes.contains(type)) {
            tag.note = QCoreApplication::translate(
                           "ForumReview",
                           "%1 shows this as a numbered list; the preview here leaves it as text")
                           .arg(profile.engine);
        } else {
            if (profile.listTypes.isEmpty())
                tag.note = QCoreApplication::translate(
                               "ForumReview",
                               "%1 shows [LIST=%2] as text: write [LIST] for a list with bullets")
                               .arg(profile.engine, type);
            else
                tag.note
                    = QCoreApplication::translate(
                          "ForumReview", "%1 shows [LIST=%2] as text: write [LIST] or [LIST=%3]")
                          .arg(profile.engine, type, profile.listTypes.first());
            tag.noteWarns = true;
        }
        return true;
    }
    if (!profile.accepts(written.name))
        return false;
    const QString what = wuxoTag ? QString() : description(written.name);
    if (what.isEmpty())
        tag.note = QCoreApplication::translate(
                       "ForumReview", "%1 reads this tag; the preview here leaves it as text")
                       .arg(profile.engine);
    else
        tag.note = QCoreApplication::translate(
                       "ForumReview", "%1 shows this as %2; the preview here leaves it as text")
                       .arg(profile.engine, what);
    return true;
}

bool isNameStart(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isNameChar(QChar c)
{
    return isNameStart(c) || (c >= u'0' && c <= u'9');
}

} // namespace

namespace ForumReview {

double previewPoints(int value)
{
    return std::min(value + 7, 30);
}

double forumPoints(SizeUnit unit, int value)
{
    switch (unit) {
    case SizeUnit::Percent:
        return value * normalPoints / 100;
    case SizeUnit::Points:
        return value;
    case SizeUnit::Pixels:
        return value * 0.75;
    case SizeUnit::Steps:
        return stepPoints[size_t(std::clamp(value, 1, 7) - 1)];
    case SizeUnit::Unknown:
        break;
    }
    return previewPoints(value);
}

void review(const ForumProfile &profile, QStringView post, std::vector<Tag> &tags)
{
    for (Tag &tag : tags)
        reviewKnown(profile, post, tag);

    // The tags only the forum takes: "[name]", "[name=value]", "[/name]" and
    // "[name attribute=value]", on one line.
    std::vector<Tag> added;
    auto known = tags.begin();
    const qsizetype size = post.size();
    for (qsizetype at = post.indexOf(u'['); at >= 0 && at + 2 < size;
         at = post.indexOf(u'[', at + 1)) {
        while (known != tags.end() && known->start < at)
            ++known;
        if (known != tags.end() && known->start == at)
            continue;
        qsizetype name = at + 1;
        if (post.at(name) == u'/')
            ++name;
        if (name >= size || !isNameStart(post.at(name)))
            continue;
        qsizetype end = name + 1;
        while (end < size && isNameChar(post.at(end)))
            ++end;
        if (end >= size || (post.at(end) != u']' && post.at(end) != u'=' && post.at(end) != u' '))
            continue;
        qsizetype bracket = end;
        const qsizetype farthest = std::min(size, at + longestTag);
        while (bracket < farthest && post.at(bracket) != u']' && post.at(bracket) != u'['
               && post.at(bracket) != u'\r' && post.at(bracket) != u'\n')
            ++bracket;
        if (bracket >= farthest || post.at(bracket) != u']')
            continue;
        Tag tag;
        tag.start = at;
        tag.length = tag.headLength = bracket + 1 - at;
        if (reviewUnknown(profile, readTag(post, at, tag.length), tag))
            added.push_back(std::move(tag));
    }
    if (added.empty())
        return;
    const auto middle = tags.insert(tags.end(), std::make_move_iterator(added.begin()),
                                    std::make_move_iterator(added.end()));
    std::inplace_merge(tags.begin(), middle, tags.end(),
                       [](const Tag &a, const Tag &b) { return a.start < b.start; });
}

} // namespace ForumReview
