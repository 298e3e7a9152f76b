#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// One entry of the Insert or Web menu: its caption and the value kept behind it
// (the text or "dt:" pattern to insert, or the address to open).
struct UserMenuEntry
{
    QString caption;
    QString value;
    bool isSeparator = false;
};

// The user-defined Insert and Web menus: what a line of insert.txt or web.txt
// means, and what choosing an entry does. Entries are numbered from 0 in file
// order, separators included; empty lines and lines starting with "#" take no number.
class UserMenuFile
{
public:
    // Entry numbers are 16-bit: counting past the entry numbered 32767 overflows (error 6).
    static constexpr int maxEntryNumber = 32767;

    enum class Menu { Insert, Web };
    // The file a menu is read from: "insert.txt" or "web.txt".
    static QString fileName(Menu menu);
    // The object name of the menu's entry `number`: "mnuInsertUser(3)" or "mnuWebURL(3)".
    static QString entryName(Menu menu, int number);

    // Reads insert.txt or web.txt. Throws WuxoError 53 for a missing file (or another
    // file error from TextFile), 9 "Subscript out of range" for a line that is neither
    // empty, a comment, a separator nor holds a "|", and 6 "Overflow" once the entry
    // numbered maxEntryNumber is read; `entries` then holds the entries read so far.
    static void read(const QString &path, QList<UserMenuEntry> &entries);
    // The same for lines already read; on a throw, `*partial` holds the entries read so far.
    static QList<UserMenuEntry> parse(const QStringList &lines,
                                      QList<UserMenuEntry> *partial = nullptr);

    // The text an Insert entry puts into the post: a value starting with "dt:" (exactly,
    // case-sensitive) gives `now` formatted with the rest as a date pattern in the default
    // (system) locale; any other value with every "\n" (backslash, n) made a CR LF.
    static QString insertText(const QString &value, const QDateTime &now);

    // Hands a Web entry's value to the desktop shell, looked up from the program folder.
    // Whether the shell could open it is not known and not reported.
    static void openWebValue(const QString &value);
};
