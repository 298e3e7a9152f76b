#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

// The post's length as a forum counts it: Unicode characters, with a line
// break (CR LF, a lone CR or LF, or the editor's paragraph separator) counted once.
namespace PostLength {

qsizetype characters(QStringView post);

// "0 characters", "1 character", "1,234 characters", digits grouped as the locale writes them.
QString caption(qsizetype characters, const QLocale &locale = QLocale());

// With the forum's limit: "1,234 of 60,000 characters".
QString captionWithLimit(qsizetype characters, qsizetype limit, const QLocale &locale = QLocale());
// How far a post is past the limit: "1,234 over the limit".
QString overTheLimit(qsizetype over, const QLocale &locale = QLocale());

} // namespace PostLength
