#include "livepage.h"

#include "converter/bbcodeconverter.h"
#include "converter/conversiontrace.h"
#include "preview/previewpage.h"

#include <algorithm>
#include <limits>

namespace {

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':';
}

// Elements whose content the browser reads as plain text up to their end tag:
// a mark put there would show as text.
bool holdsRawText(QStringView name)
{
    static constexpr QStringView names[]
        = {u"script", u"style",   u"textarea", u"title",    u"xmp",
           u"iframe", u"noembed", u"noframes", u"noscript", u"plaintext"};
    return std::any_of(std::begin(names), std::end(names), [name](QStringView raw) {
        return name.compare(raw, Qt::CaseInsensitive) == 0;
    });
}

// Walks HTML as a browser reads it, one piece of text at a time: tags,
// comments and raw text are stepped over, an entity is one piece.
class HtmlWalk
{
public:
    explicit HtmlWalk(QStringView html, qsizetype from = 0) : m_html(html), m_at(from) { }

    // The next piece of text: its start, and its length in the HTML. False at the end.
    bool next(qsizetype &start, qsizetype &length)
    {
        const qsizetype size = m_html.size();
        while (m_at < size) {
            if (!m_rawEnd.isEmpty()) {
                skipRawText();
                continue;
            }
            const QChar c = m_html.at(m_at);
            if (c == u'<' && startsMarkup()) {
                skipMarkup();
                continue;
            }
            start = m_at;
            length = c == u'&' ? entityLength() : 1;
            m_at += length;
            return true;
        }
        return false;
    }

    // Whether the piece last returned followed a tag or white space: the start of a word.
    static bool startsWord(QStringView html, qsizetype start)
    {
        return start == 0 || isSpace(html.at(start - 1)) || html.at(start - 1) == u'>';
    }

private:
    bool startsMarkup() const
    {
        if (m_at + 1 >= m_html.size())
            return false;
        const QChar after = m_html.at(m_at + 1);
        return after.isLetter() || after == u'/' || after == u'!' || after == u'?';
    }

    void skipMarkup()
    {
        const qsizetype size = m_html.size();
        if (m_html.mid(m_at, 4) == u"<!--") {
            const qsizetype end = m_html.indexOf(u"-->", m_at + 4);
            m_at = end < 0 ? size : end + 3;
            return;
        }
        const bool closing = m_html.at(m_at + 1) == u'/';
        qsizetype at = m_at + (closing ? 2 : 1);
        const qsizetype nameStart = at;
        while (at < size && isNameChar(m_html.at(at)))
            ++at;
        const QStringView name = m_html.mid(nameStart, at - nameStart);
        // Attributes: a value after "=" runs to its closing quote, or unquoted to a space.
        while (at < size && m_html.at(at) != u'>') {
            if (m_html.at(at) != u'=') {
                ++at;
                continue;
            }
            ++at;
            while (at < size && isSpace(m_html.at(at)))
                ++at;
            if (at < size && (m_html.at(at) == u'"' || m_html.at(at) == u'\'')) {
                const qsizetype end = m_html.indexOf(m_html.at(at), at + 1);
                at = end < 0 ? size : end + 1;
            }
        }
        m_at = std::min(size, at + 1);
        if (!closing && holdsRawText(name))
            m_rawEnd = QStringLiteral("</") + name.toString();
    }

    void skipRawText()
    {
        const qsizetype end = m_html.indexOf(m_rawEnd, m_at, Qt::CaseInsensitive);
        m_rawEnd.clear();
        m_at = end < 0 ? m_html.size() : end;
    }

    qsizetype entityLength() const
    {
        constexpr qsizetype longest = 32;
        const qsizetype size = m_html.size();
        qsizetype at = m_at + 1;
        while (at < size && at - m_at < longest
               && (m_html.at(at).isLetterOrNumber() || m_html.at(at) == u'#'))
            ++at;
        return at < size && at > m_at + 1 && m_html.at(at) == u';' ? at + 1 - m_at : 1;
    }

    QStringView m_html;
    qsizetype m_at;
    QString m_rawEnd;
};

QString markTag(qsizetype n)
{
    return QStringLiteral("<wuxo-mark data-n=\"%1\"></wuxo-mark>").arg(n);
}

// The first position of each line of the post, in order.
std::vector<qsizetype> lineStarts(const QString &post)
{
    std::vector<qsizetype> starts{0};
    for (qsizetype at = post.indexOf(QLatin1String("\r\n")); at >= 0;
         at = post.indexOf(QLatin1String("\r\n"), at + 2))
        starts.push_back(at + 2);
    return starts;
}

qsizetype lineOf(const std::vector<qsizetype> &starts, qsizetype position)
{
    return std::upper_bound(starts.begin(), starts.end(), position) - starts.begin() - 1;
}

} // namespace

LivePage LivePage::build(const QString &templateText, const QString &post)
{
    ConversionTrace trace;
    LivePage live;
    live.m_html = ConvertPostToHtml(post, htmlLengthLimit(post.size()), trace);
    live.m_origin.reserve(trace.origin.size());
    for (const qsizetype origin : trace.origin)
        live.m_origin.push_back(
            qint32(std::min<qsizetype>(origin, std::numeric_limits<qint32>::max())));
    trace = ConversionTrace();

    const std::vector<qsizetype> starts = lineStarts(post);
    const QString &html = live.m_html;
    QString marked;
    marked.reserve(html.size() + html.size() / 8);
    qsizetype copied = 0;
    qsizetype lastPost = -1;
    qsizetype lastLine = -1;
    qsizetype start = 0;
    qsizetype length = 0;
    HtmlWalk walk(html);
    while (walk.next(start, length)) {
        const qsizetype origin = size_t(start) < live.m_origin.size() ? live.m_origin[start] : -1;
        if (origin <= lastPost || isSpace(html.at(start)))
            continue;
        const qsizetype line = lineOf(starts, origin);
        const bool newLine = line != lastLine;
        if (!newLine && (origin - lastPost < markSpacing || !HtmlWalk::startsWord(html, start)))
            continue;
        marked.append(QStringView(html).mid(copied, start - copied));
        marked.append(markTag(qsizetype(live.m_marks.size())));
        copied = start;
        live.m_marks.push_back({origin, start});
        lastPost = origin;
        lastLine = line;
    }
    marked.append(QStringView(html).mid(copied));
    PreviewPage::checkLength(templateText, marked.size());
    live.m_page = PreviewPage::fill(templateText, marked);
    return live;
}

int LivePage::markAt(qsizetype postPosition) const
{
    const auto after = std::upper_bound(
        m_marks.begin(), m_marks.end(), postPosition,
        [](qsizetype position, const Mark &mark) { return position < mark.post; });
    return int(after - m_marks.begin()) - 1;
}

qsizetype LivePage::postPositionAt(int mark, qsizetype textOffset) const
{
    if (mark < 0 || size_t(mark) >= m_marks.size())
        return -1;
    qsizetype found = m_marks[size_t(mark)].post;
    qsizetype start = 0;
    qsizetype length = 0;
    HtmlWalk walk(m_html, m_marks[size_t(mark)].html);
    for (qsizetype counted = 0; counted <= textOffset && walk.next(start, length); ++counted) {
        const qint32 origin = m_origin[size_t(start)];
        if (origin >= 0)
            found = origin;
    }
    return found;
}
