#include "clsinifile.h"

#include "textfile.h"
#include "wuxoerror.h"

#include <QFile>
#include <QList>

#include <charconv>

namespace {

// One line of the file as it lies on disk: its bytes without the ending, and the ending.
struct RawLine
{
    QByteArray content;
    QByteArray ending;
};

QList<RawLine> splitRaw(const QByteArray &bytes)
{
    QList<RawLine> lines;
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        qsizetype endLength = (c == '\r' && i + 1 < size && bytes.at(i + 1) == '\n') ? 2 : 1;
        lines.append({bytes.mid(start, i - start), bytes.mid(i, endLength)});
        i += endLength - 1;
        start = i + 1;
    }
    if (start < size)
        lines.append({bytes.mid(start), QByteArray()});
    return lines;
}

// What a line means to the reader.
struct Parsed
{
    enum Kind { Other, SectionHeader, Key } kind = Other;
    QString name;  // section or key name, trimmed
    QString value; // key value, trimmed
};

Parsed parse(const QByteArray &raw)
{
    const QString line = TextFile::decode(raw).trimmed();
    Parsed parsed;
    if (line.startsWith(u'[')) {
        const qsizetype close = line.indexOf(u']');
        if (close > 0) {
            parsed.kind = Parsed::SectionHeader;
            parsed.name = line.mid(1, close - 1).trimmed();
        }
        return parsed;
    }
    if (line.startsWith(u';'))
        return parsed;
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0)
        return parsed;
    parsed.kind = Parsed::Key;
    parsed.name = line.left(equals).trimmed();
    parsed.value = line.mid(equals + 1).trimmed();
    // A value in matching quotation marks is read without them.
    if (parsed.value.size() >= 2 && parsed.value.startsWith(u'"') && parsed.value.endsWith(u'"'))
        parsed.value = parsed.value.mid(1, parsed.value.size() - 2);
    return parsed;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Lines [begin, end) of the first section named `section`; begin is the header.
// The section runs to the next header or the end of the file.
bool findSection(const QList<Parsed> &parsed, const QString &section, qsizetype *begin,
                 qsizetype *end)
{
    for (qsizetype i = 0; i < parsed.size(); ++i) {
        if (parsed[i].kind != Parsed::SectionHeader || !sameName(parsed[i].name, section))
            continue;
        qsizetype j = i + 1;
        while (j < parsed.size() && parsed[j].kind != Parsed::SectionHeader)
            ++j;
        *begin = i;
        *end = j;
        return true;
    }
    return false;
}

QString cut(const QString &text)
{
    return text.left(clsIniFile::maxValueLength);
}

} // namespace

void clsIniFile::setFile(const QString &vData)
{
    m_file = vData;
    m_section.clear();
}

QString clsIniFile::GetValue(const QString &ValueName, const QString &Default, bool &Fail) const
{
    QString found = cut(Default);
    if (!m_file.isEmpty() && !m_section.isEmpty() && !ValueName.isEmpty()) {
        QByteArray bytes;
        try {
            bytes = TextFile::readBytes(m_file);
        } catch (const WuxoError &) {
        }
        const QList<RawLine> lines = splitRaw(bytes);
        bool inSection = false;
        for (const RawLine &line : lines) {
            const Parsed parsed = parse(line.content);
            if (parsed.kind == Parsed::SectionHeader) {
                if (inSection)
                    break; // only the first section of that name counts
                inSection = sameName(parsed.name, m_section);
            } else if (inSection && parsed.kind == Parsed::Key
                       && sameName(parsed.name, ValueName)) {
                found = cut(parsed.value);
                break;
            }
        }
    }
    if (!found.isEmpty()) {
        Fail = false;
        return found;
    }
    Fail = true;
    return Default;
}

QString clsIniFile::GetValue(const QString &ValueName, const QString &Default) const
{
    bool fail = false;
    return GetValue(ValueName, Default, fail);
}

void clsIniFile::Values(const QString &ValueName, const QString &vData)
{
    rewrite(Change::Write, m_section, ValueName, vData);
}

void clsIniFile::Values(const QString &ValueName, qint32 vData)
{
    Values(ValueName, QString::number(vData));
}

void clsIniFile::Values(const QString &ValueName, float vData)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, vData);
    Values(ValueName, QString::fromLatin1(buffer, result.ptr - buffer));
}

void clsIniFile::DeleteKey(const QString &KeyName)
{
    rewrite(Change::DeleteKey, m_section, KeyName, {});
}

void clsIniFile::DeleteSection(const QString &SectionName)
{
    rewrite(Change::DeleteSection, SectionName, {}, {});
}

void clsIniFile::rewrite(Change change, const QString &section, const QString &key,
                         const QString &value)
{
    if (m_file.isEmpty() || section.isEmpty() || (change != Change::DeleteSection && key.isEmpty()))
        return;
    QByteArray bytes;
    const bool existed = QFile::exists(m_file);
    if (existed) {
        try {
            bytes = TextFile::readBytes(m_file);
        } catch (const WuxoError &) {
            return; // a file we cannot read is a file we must not overwrite
        }
    } else if (change != Change::Write) {
        return;
    }
    QList<RawLine> lines = splitRaw(bytes);
    QList<Parsed> parsed;
    parsed.reserve(lines.size());
    for (const RawLine &line : lines)
        parsed.append(parse(line.content));

    const QByteArray crlf("\r\n");
    const QByteArray keyLine = TextFile::encode(key + u'=' + value);
    qsizetype begin = 0;
    qsizetype end = 0;
    const bool hasSection = findSection(parsed, section, &begin, &end);

    switch (change) {
    case Change::DeleteSection:
        if (!hasSection)
            return;
        lines.remove(begin, end - begin);
        break;
    case Change::DeleteKey: {
        if (!hasSection)
            return;
        qsizetype at = -1;
        for (qsizetype i = begin + 1; i < end && at < 0; ++i)
            if (parsed[i].kind == Parsed::Key && sameName(parsed[i].name, key))
                at = i;
        if (at < 0)
            return;
        lines.remove(at);
        break;
    }
    case Change::Write: {
        if (!hasSection) {
            if (!lines.isEmpty() && lines.last().ending.isEmpty())
                lines.last().ending = crlf;
            lines.append({TextFile::encode(u'[' + section + u']'), crlf});
            lines.append({keyLine, crlf});
            break;
        }
        qsizetype at = -1;
        for (qsizetype i = begin + 1; i < end && at < 0; ++i)
            if (parsed[i].kind == Parsed::Key && sameName(parsed[i].name, key))
                at = i;
        if (at >= 0) {
            lines[at].content = keyLine;
            break;
        }
        // After the last line of the section that holds anything, so blank
        // lines before the next section stay where they are.
        qsizetype last = end - 1;
        while (last > begin && lines[last].content.trimmed().isEmpty())
            --last;
        if (lines[last].ending.isEmpty())
            lines[last].ending = crlf;
        lines.insert(last + 1, {keyLine, crlf});
        break;
    }
    }

    QByteArray out;
    out.reserve(bytes.size() + keyLine.size() + 64);
    for (const RawLine &line : lines)
        out.append(line.content).append(line.ending);
    try {
        TextFile::writeBytes(m_file, out);
    } catch (const WuxoError &) {
        // A failed write is ignored; the caller's values in memory stay as set.
    }
}
