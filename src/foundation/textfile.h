#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading and writing the program's text files. Files are read as UTF-8, with
// Windows-1252 for any byte that is not part of valid UTF-8 (files written by
// the earlier Windows edition); they are written as UTF-8 with CR LF line ends.
// Failures throw WuxoError: 53 file not found, 76 path not found,
// 70 permission denied, 61 disk full, 75 any other access failure.
namespace TextFile {

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);

// Splits at CR LF, a lone CR or a lone LF. The last line may lack its ending;
// a text that ends with a line break has no empty line after it.
QStringList splitLines(const QString &text);

QByteArray readBytes(const QString &path);
QString readAll(const QString &path);
QStringList readLines(const QString &path);

// Replaces the whole file at once: a failed write leaves the old file as it was.
void writeAll(const QString &path, const QString &text);
void writeBytes(const QString &path, const QByteArray &bytes);

// Appends text to the file, creating it when missing.
void append(const QString &path, const QString &text);

// Joins lines with CR LF, the line end of everything the program writes.
QString joinLines(const QStringList &lines);

inline constexpr QLatin1StringView crlf("\r\n");

} // namespace TextFile
