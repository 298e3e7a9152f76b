#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Formats a date and time with the classic pattern letters of "dt:" Insert entries:
// d dd ddd dddd ddddd dddddd, w ww, m mm mmm mmmm, q, y yy yyyy, h hh, n nn, s ss,
// ttttt, c, AM/PM am/pm A/P a/p AMPM. Letters are matched case-insensitively; "\x"
// and "double-quoted text" are literal, as is every other character (":" and "/"
// included). An empty pattern gives the general date and time, like "c".
namespace DateFormat {

// Day and month names, short and long date, long time and AM/PM come from `locale`.
QString format(const QString &pattern, const QDateTime &when, const QLocale &locale);
// In the default locale: the system's, unless the program chose another.
QString format(const QString &pattern, const QDateTime &when);

} // namespace DateFormat
