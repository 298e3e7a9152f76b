#include "bbcodewriter.h"

#include <algorithm>
#include <array>

namespace {

const QString lineBreak = QStringLiteral("\r\n");
constexpr QChar zeroWidthSpace(0x200B);

bool isLineSeparator(QChar c)
{
    return c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == u'\n' || c == u'\r';
}

// Characters the document uses for things that are not text: images and
// other objects, and the marks of block quotes.
bool isObject(QChar c)
{
    return c == QChar::ObjectReplacementCharacter || c == QChar(0xE000) || c == QChar(0xE001)
        || (c.unicode() < 0x20 && c != u'\t');
}

// Whether the text after a "[" would be read as a tag by the converter: a tag
// name of its table followed by "]" or "=", its closing form, a list item mark,
// or the start of a link (the link pass takes "[url" followed by anything).
bool startsTag(QStringView rest)
{
    static const std::array<QStringView, 12> names
        = {u"font",  u"size", u"color", u"url", u"email", u"img",
           u"quote", u"code", u"list",  u"b",   u"i",     u"u"};
    if (rest.startsWith(u"*]"))
        return true;
    const bool closing = rest.startsWith(u'/');
    if (closing)
        rest = rest.mid(1);
    for (QStringView name : names) {
        if (!rest.startsWith(name, Qt::CaseInsensitive))
            continue;
        const QStringView after = rest.mid(name.size());
        if (!closing && (name == u"url" || name == u"email"))
            return true;
        if (after.startsWith(u']') || (!closing && after.startsWith(u'=')))
            return true;
    }
    return false;
}

} // namespace

QString BBCodeWriter::guarded(QStringView text)
{
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(u'['); at >= 0; at = text.indexOf(u'[', at + 1)) {
        if (!startsTag(text.mid(at + 1)))
            continue;
        result += text.mid(from, at + 1 - from);
        result += zeroWidthSpace;
        from = at + 1;
    }
    result += text.mid(from);
    return result;
}

bool BBCodeWriter::inCode() const
{
    return !m_containers.isEmpty() && m_containers.constLast().kind == BBCodeContainer::Code;
}

bool BBCodeWriter::inListItem() const
{
    return !m_containers.isEmpty() && m_containers.constLast().kind == BBCodeContainer::List;
}

void BBCodeWriter::startBlock(const QList<BBCodeContainer> &containers, bool gap, int emptyLines)
{
    endBlock();
    qsizetype common = 0;
    while (common < m_containers.size() && common < containers.size()
           && m_containers.at(common) == containers.at(common))
        ++common;
    const bool sameContainers = common == m_containers.size() && common == containers.size();
    while (m_containers.size() > common)
        closeContainer(m_containers.takeLast());

    if (sameContainers && inCode()) {
        newLine();
        m_out += lineBreak.repeated(emptyLines);
    } else if (inListItem()) {
        newLine();
    } else {
        separate(gap || emptyLines > 0);
    }
    for (qsizetype i = common; i < containers.size(); ++i) {
        openContainer(containers.at(i));
        m_containers.append(containers.at(i));
    }
    if (inListItem()) {
        m_out += QStringLiteral("[*]");
        m_lineOpen = true;
    }
}

void BBCodeWriter::endBlock()
{
    m_pendingBreaks = 0;
    m_pendingSpace = false;
    closeTags(0);
    flushText();
    m_blockHasContent = false;
}

void BBCodeWriter::setFormat(const InlineFormat &format)
{
    m_wanted = tagsFor(format);
}

void BBCodeWriter::writeText(QStringView text)
{
    if (inCode()) {
        for (QChar c : text) {
            if (isLineSeparator(c))
                m_text += lineBreak;
            else if (c == QChar::Nbsp)
                m_text += u' ';
            else if (!isObject(c))
                m_text += c;
        }
        m_lineOpen = true;
        return;
    }
    const bool breaksAreSpaces = inListItem();
    bool inWord = false;
    for (QChar c : text) {
        if (isObject(c))
            continue;
        if (isLineSeparator(c) && !breaksAreSpaces) {
            inWord = false;
            if (m_blockHasContent) {
                ++m_pendingBreaks;
                m_pendingSpace = false;
            }
            continue;
        }
        if (c.isSpace() || isLineSeparator(c)) {
            inWord = false;
            if (m_blockHasContent && m_pendingBreaks == 0)
                m_pendingSpace = true;
            continue;
        }
        if (!inWord) {
            beforeContent();
            inWord = true;
        }
        m_text += c;
    }
}

void BBCodeWriter::writeMarkup(const QString &markup)
{
    beforeContent();
    flushText();
    m_out += markup;
}

QString BBCodeWriter::finish()
{
    endBlock();
    while (!m_containers.isEmpty())
        closeContainer(m_containers.takeLast());
    return m_out;
}

void BBCodeWriter::beforeContent()
{
    if (!inCode()) {
        // Spaces and breaks between two formats go outside both.
        closeUnwanted();
        if (m_pendingBreaks > 0)
            m_text += lineBreak.repeated(std::min(m_pendingBreaks, 2));
        else if (m_pendingSpace)
            m_text += u' ';
        m_pendingBreaks = 0;
        m_pendingSpace = false;
        openWanted();
    }
    m_blockHasContent = true;
    m_lineOpen = true;
}

void BBCodeWriter::flushText()
{
    if (m_text.isEmpty())
        return;
    m_out += guarded(m_text);
    m_text.clear();
}

void BBCodeWriter::closeUnwanted()
{
    qsizetype keep = 0;
    while (keep < m_open.size() && m_wanted.contains(m_open.at(keep)))
        ++keep;
    closeTags(keep);
}

void BBCodeWriter::openWanted()
{
    for (const Tag &tag : std::as_const(m_wanted)) {
        if (m_open.contains(tag))
            continue;
        flushText();
        m_out += u'[' + tag.name;
        if (!tag.value.isEmpty())
            m_out += u'=' + tag.value;
        m_out += u']';
        m_open.append(tag);
    }
}

void BBCodeWriter::closeTags(qsizetype keep)
{
    if (m_open.size() <= keep)
        return;
    flushText();
    while (m_open.size() > keep)
        m_out += QStringLiteral("[/") + m_open.takeLast().name + u']';
}

void BBCodeWriter::newLine()
{
    if (!m_lineOpen)
        return;
    m_out += lineBreak;
    m_lineOpen = false;
}

void BBCodeWriter::separate(bool gap)
{
    if (m_out.isEmpty())
        return;
    newLine();
    if (gap && !m_out.endsWith(QStringLiteral("\r\n\r\n")))
        m_out += lineBreak;
}

void BBCodeWriter::closeContainer(const BBCodeContainer &container)
{
    switch (container.kind) {
    case BBCodeContainer::List:
        newLine();
        m_out += QStringLiteral("[/LIST]");
        break;
    case BBCodeContainer::Quote:
        m_out += QStringLiteral("[/QUOTE]");
        break;
    case BBCodeContainer::Code:
        m_out += QStringLiteral("[/CODE]");
        break;
    }
    m_lineOpen = true;
}

void BBCodeWriter::openContainer(const BBCodeContainer &container)
{
    switch (container.kind) {
    case BBCodeContainer::List:
        m_out += QStringLiteral("[LIST]") + lineBreak;
        m_lineOpen = false;
        return;
    case BBCodeContainer::Quote:
        m_out += QStringLiteral("[QUOTE]");
        break;
    case BBCodeContainer::Code:
        m_out += QStringLiteral("[CODE]");
        break;
    }
    m_lineOpen = true;
}

QList<BBCodeWriter::Tag> BBCodeWriter::tagsFor(const InlineFormat &format)
{
    QList<Tag> tags;
    if (!format.url.isEmpty())
        tags.append({QStringLiteral("URL"), format.url});
    if (!format.email.isEmpty())
        tags.append({QStringLiteral("EMAIL"), format.email});
    if (!format.font.isEmpty())
        tags.append({QStringLiteral("FONT"), format.font});
    if (!format.size.isEmpty())
        tags.append({QStringLiteral("SIZE"), format.size});
    if (!format.color.isEmpty())
        tags.append({QStringLiteral("COLOR"), format.color});
    if (format.bold)
        tags.append({QStringLiteral("B"), {}});
    if (format.italic)
        tags.append({QStringLiteral("I"), {}});
    if (format.underline)
        tags.append({QStringLiteral("U"), {}});
    return tags;
}
