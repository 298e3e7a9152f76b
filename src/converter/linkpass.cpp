#include "linkpass.h"

#include "foundation/wuxoerror.h"
#include "tagscan.h"

#include <QCoreApplication>

#include <cstring>

namespace {

constexpr QStringView linkClosing = u"</a>";

QStringView nameOf(LinkPass::Kind kind)
{
    return kind == LinkPass::Kind::Web ? QStringView(u"url") : QStringView(u"email");
}

void addOrigins(std::vector<qsizetype> *to, const std::vector<qsizetype> &from, qsizetype first,
                qsizetype last)
{
    if (to)
        to->insert(to->end(), from.begin() + first, from.begin() + last);
}

void addWritten(std::vector<qsizetype> *to, qsizetype count)
{
    if (to)
        to->insert(to->end(), size_t(count), -1);
}

QString tagText(QStringView before, LinkPass::Kind kind, QStringView after)
{
    QString text = before.toString();
    text.append(nameOf(kind));
    text.append(after);
    return text;
}

} // namespace

LinkPass::LinkPass(QStringView text, Kind kind, qsizetype lengthLimit)
    : m_source(text), m_kind(kind), m_nameLength(nameOf(kind).size()), m_limit(lengthLimit),
      m_addressOpening(kind == Kind::Web ? QStringView(u"<a href='")
                                         : QStringView(u"<a href='mailto:")),
      m_labelOpening(kind == Kind::Web ? QStringView(u"' target='_blank'>") : QStringView(u"'>")),
      m_length(text.size())
{
    const QString opening = tagText(u"[", kind, u"");
    const QString closing = tagText(u"[/", kind, u"]");
    auto found = TagScan::find(text, {opening, closing}, TagScan::Marks::Brackets);
    m_openings = std::move(found.tags[0]);
    m_closings = PositionQueue(std::move(found.tags[1]));
    m_idle = m_openings.empty() || m_closings.first(m_openings.front()) < 0;
    if (!m_idle)
        m_brackets = PositionQueue(std::move(found.marks));
}

void LinkPass::grow(qsizetype delta)
{
    m_length += delta;
    if (m_length > m_limit)
        throw WuxoError(ErrorNumber::OutOfMemory,
                        QCoreApplication::translate(
                            "LinkPass", "%1: the converted post would be longer than %2 characters")
                            .arg(WuxoError::standardDescription(ErrorNumber::OutOfMemory))
                            .arg(m_limit));
}

void LinkPass::traceOrigins(const std::vector<qsizetype> *origin,
                            std::vector<qsizetype> *resultOrigin, qsizetype *failedAt)
{
    m_origin = origin;
    m_outOrigin = resultOrigin;
    m_failedAt = failedAt;
}

void LinkPass::appendSource(QString &to, std::vector<qsizetype> *toOrigin, qsizetype from,
                            qsizetype until)
{
    if (!m_origin)
        toOrigin = nullptr;
    while (from < until) {
        // What lies behind the text read is gone.
        while (!m_sourceDead.empty() && m_sourceDead.top() < from)
            m_sourceDead.pop();
        qsizetype stop = until;
        if (!m_sourceDead.empty() && m_sourceDead.top() < until) {
            stop = m_sourceDead.top();
            m_sourceDead.pop();
        }
        to.append(m_source.mid(from, stop - from));
        if (toOrigin)
            addOrigins(toOrigin, *m_origin, from, stop);
        if (stop == until)
            break;
        if (m_source.at(stop) == u']') {
            to.append(m_labelOpening);
            addWritten(toOrigin, m_labelOpening.size());
            from = stop + 1;
        } else {
            to.append(linkClosing);
            addWritten(toOrigin, linkClosing.size());
            from = stop + m_nameLength + 3;
        }
    }
}

void LinkPass::appendFront(QString &to, std::vector<qsizetype> *toOrigin, qsizetype from,
                           qsizetype until) const
{
    if (!m_origin)
        toOrigin = nullptr;
    const char *dead = m_frontDead.data();
    while (from < until) {
        const void *hit = std::memchr(dead + from, 1, size_t(until - from));
        const qsizetype stop = hit ? static_cast<const char *>(hit) - dead : until;
        to.append(QStringView(m_front).mid(from, stop - from));
        if (toOrigin)
            addOrigins(toOrigin, m_frontOrigin, from, stop);
        if (stop == until)
            break;
        to.append(m_labelOpening);
        addWritten(toOrigin, m_labelOpening.size());
        from = stop + 1;
    }
}

void LinkPass::appendWritten(QStringView text)
{
    m_out->append(text);
    if (m_origin)
        addWritten(m_outOrigin, text.size());
}

void LinkPass::blame(bool inFront) const
{
    if (m_origin && m_failedAt)
        *m_failedAt = inFront ? m_frontOrigin[size_t(m_frontRead)] : (*m_origin)[size_t(m_read)];
}

bool LinkPass::run(QString &out)
{
    if (m_idle)
        return false;
    m_out = &out;
    out.resize(0);
    if (m_origin) {
        m_outOrigin->clear();
        m_outOrigin->reserve(size_t(m_source.size()));
    }
    out.reserve(m_source.size() + 32 * qsizetype(m_openings.size()));
    const QString opening = tagText(u"[", m_kind, u"");
    for (;;) {
        bool inFront = false;
        if (m_frontRead < m_front.size()) {
            const qsizetype found = m_front.indexOf(opening, m_frontRead);
            if (found < 0) {
                appendFront(out, m_outOrigin, m_frontRead, m_front.size());
                m_frontRead = m_front.size();
                continue;
            }
            appendFront(out, m_outOrigin, m_frontRead, found);
            m_frontRead = found;
            inFront = true;
        } else {
            while (m_nextOpening < m_openings.size() && m_openings[m_nextOpening] < m_read)
                ++m_nextOpening;
            if (m_nextOpening == m_openings.size())
                break;
            const qsizetype found = m_openings[m_nextOpening];
            appendSource(out, m_outOrigin, m_read, found);
            m_read = found;
        }
        // Every closing tag ahead lies in the unread post, never in the front.
        const qsizetype closing = m_closings.first(m_read);
        if (closing < 0)
            break; // no tag after this one can find a closing tag either
        const QChar afterName = inFront ? m_front.at(m_frontRead + m_nameLength + 1)
            : m_read + m_nameLength + 1 < m_source.size() ? m_source.at(m_read + m_nameLength + 1)
                                                          : QChar();
        if (afterName == u'=')
            convertWithAddress(inFront, closing);
        else
            convertPlain(inFront, closing);
    }
    appendFront(out, m_outOrigin, m_frontRead, m_front.size());
    appendSource(out, m_outOrigin, m_read, m_source.size());
    Q_ASSERT(out.size() == m_length);
    Q_ASSERT(!m_origin || qsizetype(m_outOrigin->size()) == out.size());
    return true;
}

// "[url=address]label" keeps address and label where they stand: only the tag
// around them changes, so nothing is copied.
void LinkPass::convertWithAddress(bool inFront, qsizetype closing)
{
    const qsizetype tagLength = m_nameLength + 2;
    qsizetype bracket = inFront ? m_frontBrackets.first(m_frontRead + tagLength) : -1;
    if (bracket >= 0) {
        m_frontBrackets.remove(bracket);
        m_frontDead[size_t(bracket)] = 1;
    } else {
        bracket = m_brackets.first(inFront ? m_read : m_read + tagLength);
        if (bracket < 0 || bracket > closing) {
            blame(inFront);
            throw WuxoError(ErrorNumber::InvalidArgument,
                            QCoreApplication::translate(
                                "LinkPass", "%1: [%2= tag without a \"]\" before its closing tag")
                                .arg(WuxoError::standardDescription(ErrorNumber::InvalidArgument),
                                     nameOf(m_kind)));
        }
        m_brackets.remove(bracket);
        m_sourceDead.push(bracket);
    }
    m_closings.remove(closing);
    m_brackets.remove(closing + m_nameLength + 2);
    m_sourceDead.push(closing);
    appendWritten(m_addressOpening);
    if (inFront)
        m_frontRead += tagLength;
    else
        m_read += tagLength;
    grow(m_addressOpening.size() - tagLength + m_labelOpening.size() - 1 + linkClosing.size()
         - (m_nameLength + 3));
}

// "[url]address" writes the address twice, and the search goes on in the first
// copy: the link becomes the new front.
void LinkPass::convertPlain(bool inFront, qsizetype closing)
{
    QString chunk;
    std::vector<qsizetype> chunkOrigin;
    if (inFront)
        appendFront(chunk, &chunkOrigin, m_frontRead, m_front.size());
    appendSource(chunk, &chunkOrigin, m_read, closing);
    if (m_kind == Kind::Web && chunk.size() == m_nameLength + 1) {
        blame(inFront);
        throw WuxoError(
            ErrorNumber::InvalidArgument,
            QCoreApplication::translate("LinkPass", "%1: [url directly followed by [/url]")
                .arg(WuxoError::standardDescription(ErrorNumber::InvalidArgument)));
    }
    const QStringView address = QStringView(chunk).mid(qMin(chunk.size(), m_nameLength + 2));
    grow(m_addressOpening.size() + 2 * address.size() + m_labelOpening.size() - chunk.size()
         + linkClosing.size() - (m_nameLength + 3));
    appendWritten(m_addressOpening);
    QString front;
    front.reserve(2 * address.size() + m_labelOpening.size() + linkClosing.size());
    front.append(address);
    front.append(m_labelOpening);
    front.append(address);
    front.append(linkClosing);
    m_front = std::move(front);
    if (m_origin) {
        const qsizetype skipped = qMin(chunk.size(), m_nameLength + 2);
        std::vector<qsizetype> frontOrigin;
        frontOrigin.reserve(m_front.size());
        frontOrigin.insert(frontOrigin.end(), chunkOrigin.begin() + skipped, chunkOrigin.end());
        frontOrigin.insert(frontOrigin.end(), size_t(m_labelOpening.size()), -1);
        frontOrigin.insert(frontOrigin.end(), chunkOrigin.begin() + skipped, chunkOrigin.end());
        frontOrigin.insert(frontOrigin.end(), size_t(linkClosing.size()), -1);
        m_frontOrigin = std::move(frontOrigin);
    }
    m_frontRead = 0;
    m_frontBrackets = PositionQueue(TagScan::findCharacter(m_front, u']'));
    m_frontDead.assign(size_t(m_front.size()), 0);
    m_closings.remove(closing);
    m_read = closing + m_nameLength + 3;
}
