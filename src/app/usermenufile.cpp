#include "usermenufile.h"

#include "dateformat.h"
#include "foundation/platform.h"
#include "foundation/textfile.h"
#include "foundation/wuxoerror.h"

namespace {

[[noreturn]] void failAt(int number, QList<UserMenuEntry> &entries, QList<UserMenuEntry> *partial)
{
    if (partial)
        *partial = std::move(entries);
    throw WuxoError(number);
}

} // namespace

QString UserMenuFile::fileName(Menu menu)
{
    return menu == Menu::Insert ? QStringLiteral("insert.txt") : QStringLiteral("web.txt");
}

QString UserMenuFile::entryName(Menu menu, int number)
{
    return (menu == Menu::Insert ? QStringLiteral("mnuInsertUser(%1)")
                                 : QStringLiteral("mnuWebURL(%1)"))
        .arg(number);
}

void UserMenuFile::read(const QString &path, QList<UserMenuEntry> &entries)
{
    entries.clear();
    const QStringList lines = TextFile::readLines(path);
    entries = parse(lines, &entries);
}

QList<UserMenuEntry> UserMenuFile::parse(const QStringList &lines, QList<UserMenuEntry> *partial)
{
    QList<UserMenuEntry> entries;
    for (const QString &line : lines) {
        if (line == u"-") {
            entries.append({QStringLiteral("-"), QString(), true});
        } else if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        } else {
            // A line without "|" has no value part: the menu stops there, as it always has.
            const qsizetype first = line.indexOf(u'|');
            if (first < 0)
                failAt(ErrorNumber::SubscriptOutOfRange, entries, partial);
            const qsizetype second = line.indexOf(u'|', first + 1);
            const qsizetype valueLength = second < 0 ? -1 : second - first - 1;
            entries.append({line.left(first), line.mid(first + 1, valueLength), false});
        }
        // The entry number is a 16-bit counter: the entry numbered 32767 is the last one
        // it can count past without overflowing.
        if (entries.size() > maxEntryNumber)
            failAt(ErrorNumber::Overflow, entries, partial);
    }
    return entries;
}

QString UserMenuFile::insertText(const QString &value, const QDateTime &now)
{
    if (value.startsWith(u"dt:"))
        return DateFormat::format(value.mid(3), now);
    QString text = value;
    text.replace(QStringLiteral("\\n"), TextFile::crlf.toString());
    return text;
}

void UserMenuFile::openWebValue(const QString &value)
{
    Platform::shell().open(value);
}
