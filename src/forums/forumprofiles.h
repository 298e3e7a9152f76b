#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What one forum engine does with the tags of a post: the tags it accepts, the
// value forms it reads, the tags it shows as text and how long a post may be.
struct ForumProfile
{
    // How the forum reads the number of [size=N].
    enum class SizeUnit {
        Unknown, // nothing is known: no size is checked
        Percent, // N per cent of the normal text
        Points,
        Pixels,
        Steps, // the seven sizes 1 to 7 of a web page
    };
    enum ColourForm { ColourName = 1, ColourHex = 2, ColourHex3 = 4, ColourRgb = 8 };

    QString name;   // the menu entry
    QString engine; // as the warnings name it: "phpBB"
    QString version;
    QStringList tags;        // lower case; "*" is the list item
    QStringList shownAsText; // lower case
    SizeUnit sizeUnit = SizeUnit::Unknown;
    int sizeMin = 0;
    int sizeMax = 0;
    QStringList listTypes; // the values of [list=...]; as written, case counts
    bool listTypesKnown = false;
    int colourForms = 0;       // ColourForm flags; 0: nothing is known
    qsizetype lengthLimit = 0; // characters; 0: no limit

    bool accepts(const QString &tag) const { return tags.contains(tag); }
    bool showsAsText(const QString &tag) const { return shownAsText.contains(tag); }
};

// One line of a profiles file that could not be read.
struct ForumFileProblem
{
    int line = 0; // from 1
    QString text; // the line as written
    QString reason;

    friend bool operator==(const ForumFileProblem &, const ForumFileProblem &) = default;
};

// The profiles file "forums.txt": profiles under a "[Name]" header, each made of
// Key=Value lines (Engine, Version, Tags, Text, Size, Lists, Colours, Limit);
// blank lines and lines starting with ";" or "#" are comments. A line that
// cannot be read is skipped and listed as a problem; everything else still counts.
namespace ForumProfiles {

inline constexpr char16_t fileName[] = u"forums.txt";

// At most this many profiles are read; the rest of the file is a problem.
inline constexpr int maxProfiles = 200;

struct Parsed
{
    QList<ForumProfile> profiles;
    QList<ForumFileProblem> problems;
};

Parsed parse(const QString &text);

// The profiles that ship with the program.
const QList<ForumProfile> &builtIn();

// The profiles of the data folder's file, or the built-in ones when it has none.
// A file that cannot be read throws WuxoError, as TextFile does.
Parsed read(const QString &path);

// One message naming the damaged lines (at most a few, then how many more).
QString problemReport(const QList<ForumFileProblem> &problems);

} // namespace ForumProfiles
