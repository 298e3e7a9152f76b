#pragma once

#include <QList>
#include <QString>

// One installed Hunspell dictionary: the pair "<code>.aff" and "<code>.dic".
struct Dictionary
{
    QString code; // "en_US", the files' base name
    QString name; // "English (United States)"
    QString affPath;
    QString dicPath;

    bool operator==(const Dictionary &) const = default;
};

// The dictionaries the system has. Any hunspell-* package the user installs
// puts its pair into a system folder, and it appears here by itself.
namespace Dictionaries {

// The folders searched, where Hunspell's own programs look: each folder of
// `dicPath` (the DICPATH variable, folders separated by ":"), then
// `home`/.local/share/hunspell, /usr/share/hunspell and /usr/share/myspell.
QStringList searchPath(const QString &dicPath, const QString &home);
// The search path of this run, or only the folder a test has set.
QStringList folders();
void setFolder(const QString &folder);

// Every .dic file of `folders` with its .aff file, sorted by name. A code found
// in several folders is taken from the first.
QList<Dictionary> find(const QStringList &folders);

// The Debian package that brings the dictionary of `systemLocale` ("de_AT"
// gives "hunspell-de-at", "fr_BE" "hunspell-fr"); "hunspell-en-us" for a
// language that has none.
QString packageFor(const QString &systemLocale);

// The language of a dictionary code in English words ("en_US" gives
// "English (United States)", "de" gives "German"); a code that names no known
// language stays as it is.
QString languageName(const QString &code);

// The code of the dictionary a first start uses: the one of the system's
// language (`systemLocale` is a locale name such as "de_AT"; the same language
// in another country will do), else en_US, else the first. Empty for none.
QString preferred(const QList<Dictionary> &dictionaries, const QString &systemLocale);

// The dictionary with `code`, or nullptr.
const Dictionary *byCode(const QList<Dictionary> &dictionaries, const QString &code);

} // namespace Dictionaries
