#include "dictionaries.h"

#include <QCollator>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString &folderOverride()
{
    static QString folder;
    return folder;
}

// "en_US" and "en-US" alike: the language and, when present, the country.
QStringList codeParts(const QString &code)
{
    return code.split(QRegularExpression(QStringLiteral("[_-]")), Qt::SkipEmptyParts);
}

QString languageOf(const QString &code)
{
    return codeParts(code).value(0).toLower();
}

// The languages and countries of Debian's dictionary packages ("hunspell-" and
// this). Where a language has several, the one a speaker without a country of
// its own would want comes first.
constexpr const char *packagedDictionaries[]
    = {"af", "an",    "ar",    "be",    "bg",  "bn",    "bo",    "br",    "bs",    "ca",    "cs",
       "da", "de-de", "de-at", "de-ch", "dz",  "el",    "en-us", "en-gb", "en-au", "en-ca", "en-za",
       "es", "eu",    "fr",    "gd",    "gl",  "gu",    "gug",   "he",    "hi",    "hr",    "hu",
       "id", "is",    "it",    "kk",    "kmr", "ko",    "lo",    "lt",    "lv",    "ml",    "mn",
       "ne", "nl",    "no",    "oc",    "pl",  "pt-pt", "pt-br", "ro",    "ru",    "si",    "sk",
       "sl", "sr",    "sv",    "sv-se", "sw",  "te",    "th",    "tr",    "uk",    "uz",    "vi"};

bool isPackaged(const QString &name)
{
    for (const char *packaged : packagedDictionaries) {
        if (name == QLatin1StringView(packaged))
            return true;
    }
    return false;
}

} // namespace

namespace Dictionaries {

QStringList searchPath(const QString &dicPath, const QString &home)
{
    QStringList path = dicPath.split(u':', Qt::SkipEmptyParts);
    if (!home.isEmpty())
        path.append(QDir(home).filePath(QStringLiteral(".local/share/hunspell")));
    path.append(QStringLiteral("/usr/share/hunspell"));
    path.append(QStringLiteral("/usr/share/myspell"));
    return path;
}

QStringList folders()
{
    const QString &chosen = folderOverride();
    if (!chosen.isEmpty())
        return {chosen};
    return searchPath(qEnvironmentVariable("DICPATH"), QDir::homePath());
}

void setFolder(const QString &folder)
{
    folderOverride() = folder;
}

QList<Dictionary> find(const QStringList &folders)
{
    QList<Dictionary> found;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QStringList dicFiles
            = dir.entryList({QStringLiteral("*.dic")}, QDir::Files | QDir::Readable);
        for (const QString &dicFile : dicFiles) {
            const QString code = dicFile.chopped(4);
            const QString affFile = code + QStringLiteral(".aff");
            if (!dir.exists(affFile) || byCode(found, code))
                continue;
            found.append(
                Dictionary{code, languageName(code), dir.filePath(affFile), dir.filePath(dicFile)});
        }
    }
    QCollator collator{QLocale(QLocale::English)};
    std::sort(found.begin(), found.end(), [&collator](const Dictionary &a, const Dictionary &b) {
        const int order = collator.compare(a.name, b.name);
        return order != 0 ? order < 0 : a.code < b.code;
    });
    return found;
}

QString languageName(const QString &code)
{
    const QStringList parts = codeParts(code);
    if (parts.isEmpty())
        return code;
    const QLocale::Language language = QLocale::codeToLanguage(parts[0]);
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return code;
    QString name = QLocale::languageToString(language);
    QStringList details;
    if (parts.size() > 1) {
        const QLocale::Territory territory = QLocale::codeToTerritory(parts[1]);
        details.append(territory == QLocale::AnyTerritory ? parts[1]
                                                          : QLocale::territoryToString(territory));
    }
    // Variants such as "de_DE_frami" keep their mark, so that two of them can be told apart.
    for (qsizetype i = 2; i < parts.size(); ++i)
        details.append(parts[i]);
    if (!details.isEmpty())
        name += QStringLiteral(" (") + details.join(QStringLiteral(", ")) + u')';
    return name;
}

QString preferred(const QList<Dictionary> &dictionaries, const QString &systemLocale)
{
    if (dictionaries.isEmpty())
        return {};
    const QString system = codeParts(systemLocale).mid(0, 2).join(u'_');
    if (byCode(dictionaries, system))
        return system;
    // Another country of the language: its home country first ("de_DE" for "de_CH").
    const QString language = languageOf(systemLocale);
    if (!language.isEmpty()) {
        const QString home = language + u'_' + language.toUpper();
        if (byCode(dictionaries, home))
            return home;
        for (const Dictionary &dictionary : dictionaries) {
            if (languageOf(dictionary.code) == language)
                return dictionary.code;
        }
    }
    if (byCode(dictionaries, QStringLiteral("en_US")))
        return QStringLiteral("en_US");
    return dictionaries.constFirst().code;
}

QString packageFor(const QString &systemLocale)
{
    const QStringList parts = codeParts(systemLocale.section(u'.', 0, 0));
    QString language = parts.value(0).toLower();
    // Norwegian Bokmål and Nynorsk share one package.
    if (language == u"nb" || language == u"nn")
        language = QStringLiteral("no");
    const QString country = parts.value(1).toLower();
    QString chosen = QStringLiteral("en-us");
    if (!language.isEmpty() && isPackaged(language + u'-' + country)) {
        chosen = language + u'-' + country;
    } else if (isPackaged(language)) {
        chosen = language;
    } else if (!language.isEmpty()) {
        for (const char *packaged : packagedDictionaries) {
            const QString name = QString::fromLatin1(packaged);
            if (name.startsWith(language + u'-')) {
                chosen = name;
                break;
            }
        }
    }
    return QStringLiteral("hunspell-") + chosen;
}

const Dictionary *byCode(const QList<Dictionary> &dictionaries, const QString &code)
{
    for (const Dictionary &dictionary : dictionaries) {
        if (dictionary.code == code)
            return &dictionary;
    }
    return nullptr;
}

} // namespace Dictionaries
