#include "forumprofiles.h"

#include "foundation/datafolder.h"
#include "foundation/textfile.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

QStringList words(const QString &value)
{
    return value.split(u' ', Qt::SkipEmptyParts);
}

QStringList lowerWords(const QString &value)
{
    QStringList list = words(value.toLower());
    list.removeDuplicates();
    return list;
}

// A tag name as a forum accepts it: letters and digits, or "*".
bool isTagName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\*|[a-z][a-z0-9]*)$"));
    return pattern.match(name).hasMatch();
}

bool allTagNames(const QStringList &names)
{
    return std::all_of(names.begin(), names.end(), isTagName);
}

// Reads "unit lowest highest"; an empty reason means it was read.
QString readSize(const QString &value, ForumProfile &profile)
{
    const QStringList parts = lowerWords(value);
    if (parts.isEmpty()) {
        profile.sizeUnit = ForumProfile::SizeUnit::Unknown;
        return QString();
    }
    static const QList<std::pair<QString, ForumProfile::SizeUnit>> units{
        {QStringLiteral("percent"), ForumProfile::SizeUnit::Percent},
        {QStringLiteral("points"), ForumProfile::SizeUnit::Points},
        {QStringLiteral("pixels"), ForumProfile::SizeUnit::Pixels},
        {QStringLiteral("steps"), ForumProfile::SizeUnit::Steps},
    };
    const auto unit = std::find_if(units.begin(), units.end(),
                                   [&](const auto &each) { return each.first == parts.first(); });
    if (unit == units.end())
        return QCoreApplication::translate(
            "ForumProfiles", "the size unit must be percent, points, pixels or steps");
    bool lowOk = false;
    bool highOk = false;
    const int low = parts.value(1).toInt(&lowOk);
    const int high = parts.value(2).toInt(&highOk);
    if (parts.size() != 3 || !lowOk || !highOk || low < 0 || high < low)
        return QCoreApplication::translate(
            "ForumProfiles",
            "write the size as its unit, the lowest and the highest value, like "
            "\"percent 1 200\"");
    if (unit->second == ForumProfile::SizeUnit::Steps && (low < 1 || high > 7))
        return QCoreApplication::translate("ForumProfiles", "steps run from 1 to 7");
    profile.sizeUnit = unit->second;
    profile.sizeMin = low;
    profile.sizeMax = high;
    return QString();
}

QString readColours(const QString &value, ForumProfile &profile)
{
    int forms = 0;
    for (const QString &form : lowerWords(value)) {
        if (form == u"name")
            forms |= ForumProfile::ColourName;
        else if (form == u"hex")
            forms |= ForumProfile::ColourHex;
        else if (form == u"hex3")
            forms |= ForumProfile::ColourHex3;
        else if (form == u"rgb")
            forms |= ForumProfile::ColourRgb;
        else
            return QCoreApplication::translate("ForumProfiles",
                                               "the colour forms are name, hex, hex3 and rgb");
    }
    profile.colourForms = forms;
    return QString();
}

// Applies one Key=Value line; an empty reason means it was read.
QString readKey(const QString &key, const QString &value, ForumProfile &profile)
{
    const QString lower = key.toLower();
    if (lower == u"engine") {
        profile.engine = value;
    } else if (lower == u"version") {
        profile.version = value;
    } else if (lower == u"tags" || lower == u"text") {
        const QStringList names = lowerWords(value);
        if (!allTagNames(names))
            return QCoreApplication::translate(
                "ForumProfiles", "a tag name is made of letters and digits, or is \"*\"");
        (lower == u"tags" ? profile.tags : profile.shownAsText) = names;
    } else if (lower == u"size") {
        return readSize(value, profile);
    } else if (lower == u"lists") {
        profile.listTypes = words(value);
        profile.listTypes.removeDuplicates();
        profile.listTypesKnown = true;
        if (std::any_of(profile.listTypes.begin(), profile.listTypes.end(),
                        [](const QString &type) { return type.contains(u']'); }))
            return QCoreApplication::translate("ForumProfiles", "a list type holds no \"]\"");
    } else if (lower == u"colours" || lower == u"colors") {
        return readColours(value, profile);
    } else if (lower == u"limit") {
        bool ok = false;
        const qlonglong limit = value.toLongLong(&ok);
        if (!ok || limit < 0)
            return QCoreApplication::translate(
                "ForumProfiles", "the limit is a whole number of characters, 0 for none");
        profile.lengthLimit = qsizetype(limit);
    } else {
        return QCoreApplication::translate("ForumProfiles", "there is no key \"%1\"").arg(key);
    }
    return QString();
}

} // namespace

namespace ForumProfiles {

Parsed parse(const QString &text)
{
    Parsed parsed;
    const QStringList lines = TextFile::splitLines(text);
    ForumProfile *current = nullptr;
    bool skipping = false; // the keys of a profile whose header was damaged
    bool full = false;
    const auto problem = [&](int index, const QString &reason) {
        parsed.problems.append({index + 1, lines.at(index), reason});
    };
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            current = nullptr;
            skipping = true;
            const QString name
                = line.endsWith(u']') ? line.mid(1, line.size() - 2).trimmed() : QString();
            if (name.isEmpty()) {
                problem(i,
                        QCoreApplication::translate("ForumProfiles",
                                                    "a profile's name is written as [Name]"));
                continue;
            }
            const bool taken = std::any_of(
                parsed.profiles.begin(), parsed.profiles.end(), [&](const ForumProfile &each) {
                    return each.name.compare(name, Qt::CaseInsensitive) == 0;
                });
            if (taken) {
                problem(
                    i,
                    QCoreApplication::translate("ForumProfiles", "another profile has this name"));
                continue;
            }
            if (parsed.profiles.size() >= maxProfiles) {
                if (!full)
                    problem(i,
                            QCoreApplication::translate("ForumProfiles",
                                                        "the file holds more than %1 profiles")
                                .arg(maxProfiles));
                full = true;
                continue;
            }
            parsed.profiles.append(ForumProfile{});
            current = &parsed.profiles.last();
            skipping = false;
            current->name = name;
            current->engine = name;
            continue;
        }
        if (full || (skipping && !current))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) {
            problem(i,
                    QCoreApplication::translate("ForumProfiles",
                                                "a line is either [Name] or Key=Value"));
            continue;
        }
        if (!current) {
            problem(
                i,
                QCoreApplication::translate(
                    "ForumProfiles", "no [Name] above this line says which profile it belongs to"));
            continue;
        }
        ForumProfile changed = *current;
        const QString reason
            = readKey(line.left(equals).trimmed(), line.mid(equals + 1).trimmed(), changed);
        if (!reason.isEmpty()) {
            problem(i, reason);
            continue;
        }
        *current = changed;
        if (current->engine.isEmpty())
            current->engine = current->name;
    }
    return parsed;
}

const QList<ForumProfile> &builtIn()
{
    static const QList<ForumProfile> profiles
        = parse(TextFile::readAll(QStringLiteral(":/data/") + QString::fromUtf16(fileName)))
              .profiles;
    return profiles;
}

Parsed read(const QString &path)
{
    if (!FileExists(path))
        return Parsed{builtIn(), {}};
    return parse(TextFile::readAll(path));
}

QString problemReport(const QList<ForumFileProblem> &problems)
{
    constexpr int listed = 5;
    QStringList lines;
    for (qsizetype i = 0; i < problems.size() && i < listed; ++i) {
        const ForumFileProblem &each = problems.at(i);
        constexpr int shown = 60;
        const QString text
            = each.text.size() <= shown ? each.text : each.text.left(shown) + QChar(0x2026);
        lines.append(QCoreApplication::translate("ForumProfiles", "Line %1 (%2): %3.")
                         .arg(each.line)
                         .arg(text, each.reason));
    }
    if (problems.size() > listed)
        lines.append(QCoreApplication::translate("ForumProfiles",
                                                 "%n more line(s) could not be read either.",
                                                 nullptr, int(problems.size() - listed)));
    return QCoreApplication::translate("ForumProfiles",
                                       "Some lines of %1 could not be read and were skipped:")
               .arg(QString::fromUtf16(fileName))
        + u'\n' + lines.join(u'\n');
}

} // namespace ForumProfiles
