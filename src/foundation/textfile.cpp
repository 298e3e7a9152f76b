#include "textfile.h"

#include "wuxoerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace {

// Windows-1252 bytes 0x80..0x9F; the five undefined ones map to the C1 controls, as Windows does.
constexpr char16_t cp1252High[32]
    = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
       0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t cp1252(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? cp1252High[byte - 0x80] : char16_t(byte);
}

// Where the run of ASCII bytes from `from` ends, looking at eight bytes at a time.
qsizetype asciiRunEnd(const unsigned char *data, qsizetype from, qsizetype size)
{
    constexpr quint64 highBits = 0x8080808080808080ULL;
    for (quint64 eight = 0; from + 8 <= size; from += 8) {
        std::memcpy(&eight, data + from, sizeof eight);
        if (eight & highBits)
            break;
    }
    while (from < size && data[from] < 0x80)
        ++from;
    return from;
}

// Length of the valid UTF-8 sequence starting at data[i], or 0 when it is not one.
int utf8SequenceLength(const unsigned char *data, qsizetype i, qsizetype size, char32_t *codePoint)
{
    const unsigned char lead = data[i];
    int length;
    char32_t value;
    char32_t minimum;
    if (lead < 0x80) {
        *codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > size)
        return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char next = data[i + k];
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *codePoint = value;
    return length;
}

[[noreturn]] void throwFileError(const QString &path, const QFileDevice &file, bool writing)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw WuxoError(ErrorNumber::PathNotFound);
    if (!writing && !info.exists())
        throw WuxoError(ErrorNumber::FileNotFound);
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        throw WuxoError(ErrorNumber::PermissionDenied);
    case QFileDevice::ResourceError:
        throw WuxoError(ErrorNumber::DiskFull);
    default:
        if (info.isDir())
            throw WuxoError(ErrorNumber::PathFileAccess);
        if ((writing && info.exists() && !info.isWritable()) || (!writing && !info.isReadable()))
            throw WuxoError(ErrorNumber::PermissionDenied);
        throw WuxoError(ErrorNumber::PathFileAccess);
    }
}

} // namespace

namespace TextFile {

QString decode(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    QString text;
    text.reserve(size);
    qsizetype i = 0;
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF)
        i = 3; // a byte-order mark is not part of the text
    while (i < size) {
        // Plain ASCII runs dominate every data file: copy them without decoding.
        const qsizetype run = asciiRunEnd(data, i, size);
        if (run > i) {
            text.append(QLatin1StringView(bytes.constData() + i, run - i));
            i = run;
            continue;
        }
        char32_t codePoint = 0;
        const int length = utf8SequenceLength(data, i, size, &codePoint);
        if (length == 0) {
            text.append(QChar(cp1252(data[i])));
            ++i;
            continue;
        }
        const char32_t one[1] = {codePoint};
        text.append(QString::fromUcs4(one, 1));
        i += length;
    }
    return text;
}

QByteArray encode(const QString &text)
{
    return text.toUtf8();
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    const QFileInfo info(path);
    if (info.isDir())
        throw WuxoError(ErrorNumber::PathFileAccess);
    if (!file.open(QIODevice::ReadOnly))
        throwFileError(path, file, false);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throwFileError(path, file, false);
    return bytes;
}

QString readAll(const QString &path)
{
    return decode(readBytes(path));
}

QStringList readLines(const QString &path)
{
    return splitLines(readAll(path));
}

void writeAll(const QString &path, const QString &text)
{
    writeBytes(path, encode(text));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throwFileError(path, file, true);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throwFileError(path, file, true);
    }
    if (!file.commit())
        throwFileError(path, file, true);
}

void append(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throwFileError(path, file, true);
    const QByteArray bytes = encode(text);
    if (file.write(bytes) != bytes.size())
        throwFileError(path, file, true);
}

QString joinLines(const QStringList &lines)
{
    return lines.join(QString(crlf));
}

} // namespace TextFile
