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
// puts its pair into the system folder, and it appears here by itself.
namespace Dictionaries {

// "/usr/share/hunspell", unless a test has pointed it elsewhere.
QString folder();
void setFolder(const QString &folder);

// Every .dic file of `folder` with its .aff file, sorted by name.
QList<Dictionary> find(const QString &folder);

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
