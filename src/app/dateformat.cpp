#include "dateformat.h"

#include <QList>

#include <cstdlib>

namespace {

enum class Part {
    Literal,
    Day,
    Day2,
    DayShortName,
    DayLongName,
    ShortDate,
    LongDate,
    Weekday,
    Week,
    Month,
    Month2,
    MonthShortName,
    MonthLongName,
    Minute,
    Minute2,
    Quarter,
    DayOfYear,
    Year2,
    Year4,
    Hour,
    Hour2,
    Second,
    Second2,
    LongTime,
    General,
    AmPmWritten, // AM/PM, am/pm, A/P, a/p: shows the designator as written
    AmPmLocale,  // AMPM: the locale's designator
};

struct Piece
{
    Part part;
    QString text; // the literal text; for AmPmWritten the morning designator
    QString pm;   // for AmPmWritten the afternoon designator
};

// Only ASCII letters are pattern letters; anything else must stay literal.
char16_t asciiLower(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u;
}

bool matchesAt(const QString &pattern, qsizetype i, QStringView word)
{
    if (i + word.size() > pattern.size())
        return false;
    for (qsizetype k = 0; k < word.size(); ++k) {
        if (asciiLower(pattern.at(i + k)) != word.at(k).unicode())
            return false;
    }
    return true;
}

// How often the letter at i repeats, counted no further than the longest pattern letter
// group needs: a long run of one character must not make the scan quadratic.
qsizetype runLength(const QString &pattern, qsizetype i)
{
    constexpr qsizetype longestGroup = 6;
    const char16_t letter = asciiLower(pattern.at(i));
    const qsizetype limit = qMin(pattern.size(), i + longestGroup);
    qsizetype end = i + 1;
    while (end < limit && asciiLower(pattern.at(end)) == letter)
        ++end;
    return end - i;
}

void appendLiteral(QList<Piece> &pieces, QStringView text)
{
    if (!pieces.isEmpty() && pieces.last().part == Part::Literal)
        pieces.last().text += text;
    else
        pieces.append({Part::Literal, text.toString(), QString()});
}

QList<Piece> tokenize(const QString &pattern)
{
    static constexpr Part days[] = {Part::Day,         Part::Day2,      Part::DayShortName,
                                    Part::DayLongName, Part::ShortDate, Part::LongDate};
    static constexpr Part months[]
        = {Part::Month, Part::Month2, Part::MonthShortName, Part::MonthLongName};

    QList<Piece> pieces;
    qsizetype i = 0;
    const qsizetype size = pattern.size();
    while (i < size) {
        const QChar c = pattern.at(i);
        const qsizetype run = runLength(pattern, i);
        // Letters repeat greedily: "ddddddd" is "dddddd" then "d", "yyy" is "yy" then "y".
        const auto take = [&](Part part, qsizetype length) {
            pieces.append({part, QString(), QString()});
            i += length;
        };
        switch (asciiLower(c)) {
        case u'\\':
            // A backslash at the very end has nothing to escape and shows nothing.
            if (i + 1 < size)
                appendLiteral(pieces, QStringView(pattern).mid(i + 1, 1));
            i += 2;
            break;
        case u'"': {
            const qsizetype close = pattern.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? size : close;
            appendLiteral(pieces, QStringView(pattern).mid(i + 1, end - i - 1));
            i = end + 1;
            break;
        }
        case u'd': {
            const qsizetype length = qMin<qsizetype>(run, 6);
            take(days[length - 1], length);
            break;
        }
        case u'm': {
            const qsizetype length = qMin<qsizetype>(run, 4);
            take(months[length - 1], length);
            break;
        }
        case u'y':
            if (run >= 4)
                take(Part::Year4, 4);
            else if (run >= 2)
                take(Part::Year2, 2);
            else
                take(Part::DayOfYear, 1);
            break;
        case u'w':
            run >= 2 ? take(Part::Week, 2) : take(Part::Weekday, 1);
            break;
        case u'q':
            take(Part::Quarter, 1);
            break;
        case u'h':
            run >= 2 ? take(Part::Hour2, 2) : take(Part::Hour, 1);
            break;
        case u'n':
            run >= 2 ? take(Part::Minute2, 2) : take(Part::Minute, 1);
            break;
        case u's':
            run >= 2 ? take(Part::Second2, 2) : take(Part::Second, 1);
            break;
        case u'c':
            take(Part::General, 1);
            break;
        case u't':
            if (run >= 5) {
                take(Part::LongTime, 5);
            } else {
                appendLiteral(pieces, QStringView(pattern).mid(i, run));
                i += run;
            }
            break;
        case u'a':
            if (matchesAt(pattern, i, u"am/pm")) {
                pieces.append({Part::AmPmWritten, pattern.mid(i, 2), pattern.mid(i + 3, 2)});
                i += 5;
            } else if (matchesAt(pattern, i, u"ampm")) {
                take(Part::AmPmLocale, 4);
            } else if (matchesAt(pattern, i, u"a/p")) {
                pieces.append({Part::AmPmWritten, pattern.mid(i, 1), pattern.mid(i + 2, 1)});
                i += 3;
            } else {
                appendLiteral(pieces, QStringView(pattern).mid(i, 1));
                ++i;
            }
            break;
        default:
            appendLiteral(pieces, QStringView(pattern).mid(i, 1));
            ++i;
            break;
        }
    }

    // "m" and "mm" right after an hour are minutes ("h:mm"); the literals between
    // them, separators or not, do not break the link.
    Part previous = Part::Literal;
    for (Piece &piece : pieces) {
        if (piece.part == Part::Literal)
            continue;
        if (previous == Part::Hour || previous == Part::Hour2) {
            if (piece.part == Part::Month)
                piece.part = Part::Minute;
            else if (piece.part == Part::Month2)
                piece.part = Part::Minute2;
        }
        previous = piece.part;
    }
    return pieces;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Weeks start on Sunday and week 1 is the one holding 1 January, so a year spans 53 or 54.
int weekOfYear(const QDate &date)
{
    const int firstWeekday = QDate(date.year(), 1, 1).dayOfWeek() % 7; // Sunday 0 .. Saturday 6
    return (date.dayOfYear() - 1 + firstWeekday) / 7 + 1;
}

// The locale's long time without the time zone, which a post's date has no use for.
QString longTimeFormat(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't') {
            while (!result.isEmpty() && result.back().isSpace())
                result.chop(1);
            continue;
        }
        result += c;
    }
    return result.trimmed();
}

QString longTime(const QTime &time, const QLocale &locale)
{
    return locale.toString(time, longTimeFormat(locale));
}

QString generalDateTime(const QDate &date, const QTime &time, const QLocale &locale)
{
    QString text = locale.toString(date, QLocale::ShortFormat);
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        text += u' ' + longTime(time, locale);
    return text;
}

} // namespace

namespace DateFormat {

QString format(const QString &pattern, const QDateTime &when, const QLocale &locale)
{
    const QDate date = when.date();
    const QTime time = when.time();
    if (pattern.isEmpty())
        return generalDateTime(date, time, locale);

    const QList<Piece> pieces = tokenize(pattern);
    bool twelveHour = false;
    for (const Piece &piece : pieces)
        twelveHour
            = twelveHour || piece.part == Part::AmPmWritten || piece.part == Part::AmPmLocale;
    const int hour = twelveHour ? (time.hour() % 12 == 0 ? 12 : time.hour() % 12) : time.hour();
    const bool morning = time.hour() < 12;

    QString text;
    for (const Piece &piece : pieces) {
        switch (piece.part) {
        case Part::Literal:
            text += piece.text;
            break;
        case Part::Day:
            text += QString::number(date.day());
            break;
        case Part::Day2:
            text += twoDigits(date.day());
            break;
        case Part::DayShortName:
            text += locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
            break;
        case Part::DayLongName:
            text += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
            break;
        case Part::ShortDate:
            text += locale.toString(date, QLocale::ShortFormat);
            break;
        case Part::LongDate:
            text += locale.toString(date, QLocale::LongFormat);
            break;
        case Part::Weekday:
            text += QString::number(date.dayOfWeek() % 7 + 1);
            break;
        case Part::Week:
            text += QString::number(weekOfYear(date));
            break;
        case Part::Month:
            text += QString::number(date.month());
            break;
        case Part::Month2:
            text += twoDigits(date.month());
            break;
        case Part::MonthShortName:
            text += locale.monthName(date.month(), QLocale::ShortFormat);
            break;
        case Part::MonthLongName:
            text += locale.monthName(date.month(), QLocale::LongFormat);
            break;
        case Part::Minute:
            text += QString::number(time.minute());
            break;
        case Part::Minute2:
            text += twoDigits(time.minute());
            break;
        case Part::Quarter:
            text += QString::number((date.month() - 1) / 3 + 1);
            break;
        case Part::DayOfYear:
            text += QString::number(date.dayOfYear());
            break;
        case Part::Year2:
            text += twoDigits(std::abs(date.year()) % 100);
            break;
        case Part::Year4:
            text += QString::number(date.year());
            break;
        case Part::Hour:
            text += QString::number(hour);
            break;
        case Part::Hour2:
            text += twoDigits(hour);
            break;
        case Part::Second:
            text += QString::number(time.second());
            break;
        case Part::Second2:
            text += twoDigits(time.second());
            break;
        case Part::LongTime:
            text += longTime(time, locale);
            break;
        case Part::General:
            text += generalDateTime(date, time, locale);
            break;
        case Part::AmPmWritten:
            text += morning ? piece.text : piece.pm;
            break;
        case Part::AmPmLocale:
            text += morning ? locale.amText() : locale.pmText();
            break;
        }
    }
    return text;
}

QString format(const QString &pattern, const QDateTime &when)
{
    return format(pattern, when, QLocale());
}

} // namespace DateFormat
