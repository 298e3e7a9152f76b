// One walk of an imported HTML page that writes its BBCode; the format readers
// above it serve that walk alone.
#include "htmltobbcode.h"

#include "bbcodewriter.h"
#include "foundation/platform.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>

#include <cmath>

namespace {

// Qt imports a block quote as margins on its first blocks only: text after a
// nested quote, or under a page's own quote style, loses them. So each quote is
// marked before the import by a block of its own holding one of these.
constexpr QChar quoteStart(0xE000);
constexpr QChar quoteEnd(0xE001);

QString markQuotes(QString html)
{
    html.remove(quoteStart).remove(quoteEnd);
    static const QRegularExpression tag(QStringLiteral("<(/?)blockquote(?=[\\s/>])[^>]*>"),
                                        QRegularExpression::CaseInsensitiveOption);
    QString marked;
    marked.reserve(html.size() + 64);
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : tag.globalMatch(html)) {
        marked += QStringView(html).mid(from, match.capturedStart() - from);
        if (match.capturedLength(1) == 0)
            marked += QStringLiteral("<div>") + quoteStart + QStringLiteral("</div>")
                + match.captured();
        else
            marked
                += match.captured() + QStringLiteral("<div>") + quoteEnd + QStringLiteral("</div>");
        from = match.capturedEnd();
    }
    marked += QStringView(html).mid(from);
    return marked;
}

constexpr double defaultPoints = 12.0;

// The colour a fragment sets, as the Color list writes it or as #rrggbb; "" for none.
QString colorOf(const QTextCharFormat &format)
{
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return {};
    const QBrush brush = format.foreground();
    if (brush.style() == Qt::NoBrush)
        return {};
    const QString name = brush.color().name();
    static const QHash<QString, QString> listed
        = {{QStringLiteral("#0000ff"), QStringLiteral("blue")},
           {QStringLiteral("#ff0000"), QStringLiteral("red")},
           {QStringLiteral("#800080"), QStringLiteral("purple")},
           {QStringLiteral("#ffa500"), QStringLiteral("orange")},
           {QStringLiteral("#ffff00"), QStringLiteral("yellow")},
           {QStringLiteral("#808080"), QStringLiteral("gray")},
           {QStringLiteral("#008000"), QStringLiteral("green")}};
    return listed.value(name, name);
}

// The first font family a fragment names, generic families as the Font list
// names them; "" when it names none.
QString fontOf(const QTextCharFormat &format)
{
    QString family;
    if (format.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = format.fontFamilies().toStringList();
        if (!families.isEmpty())
            family = families.constFirst();
    } else if (format.hasProperty(QTextFormat::FontFamily)) {
        family = format.stringProperty(QTextFormat::FontFamily);
    }
    static const QRegularExpression unsafe(QStringLiteral("[\\[\\]'\"<>;=]"));
    family.remove(unsafe);
    family = family.trimmed();
    if (family.compare(u"monospace", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Courier");
    if (family.compare(u"serif", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Times");
    if (family.compare(u"sans-serif", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Arial");
    return family;
}

// The size of a fragment in points. Headings keep the usual size: they are
// written bold, as Qt imports them.
double pointsOf(const QTextCharFormat &format, bool heading)
{
    double points = defaultPoints;
    if (format.hasProperty(QTextFormat::FontPointSize))
        points = format.fontPointSize();
    else if (format.hasProperty(QTextFormat::FontPixelSize))
        points = format.intProperty(QTextFormat::FontPixelSize) * 0.75;
    // <font size>, <big> and <small> scale the size around them.
    if (format.hasProperty(QTextFormat::FontSizeAdjustment) && !heading)
        points *= std::pow(1.2, format.intProperty(QTextFormat::FontSizeAdjustment));
    return points;
}

// The Size list's value for a size relative to the page's usual size.
QString sizeStep(double points, double usual)
{
    const double ratio = usual > 0 ? points / usual : 1.0;
    if (ratio < 0.9)
        return QStringLiteral("1");
    if (ratio >= 1.7)
        return QStringLiteral("14");
    if (ratio >= 1.15)
        return QStringLiteral("7");
    return {};
}

bool isHeading(const QTextBlock &block)
{
    return block.blockFormat().headingLevel() > 0;
}

bool isCode(const QTextBlock &block)
{
    if (block.blockFormat().nonBreakableLines())
        return true;
    // A paragraph that is all <code>: Qt gives code the generic monospace family.
    bool any = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.text().trimmed().isEmpty())
            continue;
        const QStringList families = fragment.charFormat().fontFamilies().toStringList();
        if (families.isEmpty() || families.constFirst() != u"monospace")
            return false;
        any = true;
    }
    return any;
}

// The colour, font and size most of the text has: the page's usual text, which
// takes no tags (browsers write it out on every piece of a copied page).
struct UsualStyle
{
    QString color;
    QString font;
    double points = defaultPoints;
};

template<typename Key> Key mostCommon(const QHash<Key, qsizetype> &counts, const Key &fallback)
{
    Key best = fallback;
    qsizetype bestCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return best;
}

UsualStyle usualStyle(const QTextDocument &document)
{
    QHash<QString, qsizetype> colors, fonts;
    QHash<double, qsizetype> sizes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (isCode(block))
            continue;
        const bool heading = isHeading(block);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const qsizetype length = fragment.length();
            if (!format.isAnchor())
                colors[colorOf(format)] += length;
            fonts[fontOf(format)] += length;
            sizes[pointsOf(format, heading)] += length;
        }
    }
    return {mostCommon(colors, QString()), mostCommon(fonts, QString()),
            mostCommon(sizes, defaultPoints)};
}

bool isWebScheme(const QString &scheme)
{
    return scheme.isEmpty() || scheme == u"http" || scheme == u"https" || scheme == u"ftp";
}

// Walks one imported document into a writer.
class Walk
{
public:
    Walk(const QTextDocument &document, const QUrl &page)
        : m_document(document), m_page(page), m_usual(usualStyle(document))
    {
    }

    QString run();

private:
    struct Link
    {
        QString url;
        QString email;
        QString shown;   // the address as the link's text would show it
        QString written; // the address as the page wrote it
    };

    void writeBlock(const QTextBlock &block, bool code);
    void writeFragments(const QList<QTextFragment> &fragments, qsizetype from, qsizetype to,
                        const InlineFormat &linkFormat, bool heading);
    InlineFormat formatOf(const QTextCharFormat &format, bool heading) const;
    Link linkOf(const QTextCharFormat &format) const;
    QUrl resolved(const QString &address) const;
    QList<BBCodeContainer> containersFor(const QTextBlock &block, bool code);

    const QTextDocument &m_document;
    QUrl m_page;
    UsualStyle m_usual;
    BBCodeWriter m_writer;
    QList<quintptr> m_quotes;
    quintptr m_nextQuote = 1;
    QList<QTextList *> m_lists;
    QList<quintptr> m_listQuotes; // the quotes the open lists stand in
    quintptr m_code = 0;
    bool m_previousWasCode = false;
    qreal m_previousBottomMargin = 0;
};

QString Walk::run()
{
    int emptyLines = 0;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        // Quote marks before the block's text open or close quotes before it;
        // marks after its text take effect after it.
        int endsAfter = 0;
        qsizetype visible = 0;
        for (QChar c : text) {
            if (c == quoteStart || c == quoteEnd) {
                if (visible > 0) {
                    endsAfter += c == quoteEnd ? 1 : 0;
                } else if (c == quoteStart) {
                    m_quotes.append(m_nextQuote++);
                } else if (!m_quotes.isEmpty()) {
                    m_quotes.removeLast();
                }
            } else if (!c.isSpace() && c != QChar::LineSeparator) {
                ++visible;
            }
        }
        const bool code = isCode(block);
        if (visible == 0) {
            if (!text.contains(quoteStart) && !text.contains(quoteEnd))
                ++emptyLines;
        } else {
            const QTextBlockFormat format = block.blockFormat();
            const bool marginGap = m_previousBottomMargin > 0 || format.topMargin() > 0;
            if (code && !(m_previousWasCode && !marginGap))
                ++m_code;
            const QList<BBCodeContainer> containers = containersFor(block, code);
            m_writer.startBlock(containers, marginGap, emptyLines);
            writeBlock(block,
                       !containers.isEmpty()
                           && containers.constLast().kind == BBCodeContainer::Code);
            m_previousWasCode = code;
            m_previousBottomMargin = format.bottomMargin();
            emptyLines = 0;
        }
        for (; endsAfter > 0 && !m_quotes.isEmpty(); --endsAfter)
            m_quotes.removeLast();
    }
    return m_writer.finish();
}

QList<BBCodeContainer> Walk::containersFor(const QTextBlock &block, bool code)
{
    QTextList *list = block.textList();
    if (!list || m_listQuotes != m_quotes)
        m_lists.clear();
    if (list) {
        const int indent = list->format().indent();
        while (!m_lists.isEmpty() && m_lists.constLast() != list
               && m_lists.constLast()->format().indent() >= indent)
            m_lists.removeLast();
        if (m_lists.isEmpty() || m_lists.constLast() != list)
            m_lists.append(list);
        m_listQuotes = m_quotes;
    }
    QList<BBCodeContainer> containers;
    for (quintptr quote : std::as_const(m_quotes))
        containers.append({BBCodeContainer::Quote, quote});
    for (QTextList *open : std::as_const(m_lists))
        containers.append({BBCodeContainer::List, reinterpret_cast<quintptr>(open)});
    if (code && m_lists.isEmpty())
        containers.append({BBCodeContainer::Code, m_code});
    return containers;
}

void Walk::writeBlock(const QTextBlock &block, bool code)
{
    if (code) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            m_writer.writeText(it.fragment().text());
        m_writer.endBlock();
        return;
    }
    const bool heading = isHeading(block);
    QList<QTextFragment> fragments;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        fragments.append(it.fragment());

    for (qsizetype i = 0; i < fragments.size();) {
        const QTextCharFormat format = fragments.at(i).charFormat();
        const Link link = linkOf(format);
        if (link.url.isEmpty() && link.email.isEmpty()) {
            writeFragments(fragments, i, i + 1, {}, heading);
            ++i;
            continue;
        }
        // A link is the run of fragments with the same address.
        qsizetype end = i + 1;
        QString text = fragments.at(i).text();
        while (end < fragments.size() && fragments.at(end).charFormat().isAnchor()
               && fragments.at(end).charFormat().anchorHref() == format.anchorHref()) {
            text += fragments.at(end).text();
            ++end;
        }
        text = text.trimmed();
        if (text == link.shown || text == link.written
            || (!link.email.isEmpty() && text == QStringLiteral("mailto:") + link.email)) {
            InlineFormat outer = formatOf(format, heading);
            m_writer.setFormat(outer);
            m_writer.writeMarkup(link.email.isEmpty()
                                     ? QStringLiteral("[URL]") + link.url + QStringLiteral("[/URL]")
                                     : QStringLiteral("[EMAIL]") + link.email
                                         + QStringLiteral("[/EMAIL]"));
        } else {
            InlineFormat linkFormat;
            linkFormat.url = link.url;
            linkFormat.email = link.email;
            writeFragments(fragments, i, end, linkFormat, heading);
        }
        i = end;
    }
    m_writer.endBlock();
}

void Walk::writeFragments(const QList<QTextFragment> &fragments, qsizetype from, qsizetype to,
                          const InlineFormat &linkFormat, bool heading)
{
    for (qsizetype i = from; i < to; ++i) {
        const QTextFragment &fragment = fragments.at(i);
        const QTextCharFormat charFormat = fragment.charFormat();
        InlineFormat format = formatOf(charFormat, heading);
        format.url = linkFormat.url;
        format.email = linkFormat.email;
        m_writer.setFormat(format);
        if (!charFormat.isImageFormat()) {
            m_writer.writeText(fragment.text());
            continue;
        }
        const QUrl image = resolved(charFormat.toImageFormat().name());
        if (image.isValid() && isWebScheme(image.scheme()) && !image.isEmpty())
            m_writer.writeMarkup(QStringLiteral("[IMG]") + HtmlToBBCode::tagAddress(image)
                                 + QStringLiteral("[/IMG]"));
    }
}

InlineFormat Walk::formatOf(const QTextCharFormat &format, bool heading) const
{
    InlineFormat result;
    const bool anchor = format.isAnchor();
    result.bold = format.fontWeight() >= QFont::DemiBold;
    result.italic = format.fontItalic();
    result.underline = !anchor && format.fontUnderline();
    const QString font = fontOf(format);
    if (font != m_usual.font)
        result.font = font;
    result.size = sizeStep(pointsOf(format, heading), m_usual.points);
    const QString color = colorOf(format);
    if (!anchor && color != m_usual.color)
        result.color = color;
    return result;
}

QUrl Walk::resolved(const QString &address) const
{
    const QUrl url(address.trimmed());
    if (url.isRelative() && m_page.isValid() && !m_page.isRelative())
        return m_page.resolved(url);
    return url;
}

Walk::Link Walk::linkOf(const QTextCharFormat &format) const
{
    Link link;
    if (!format.isAnchor() || format.anchorHref().isEmpty())
        return link;
    link.written = format.anchorHref().trimmed();
    const QUrl url = resolved(link.written);
    if (!url.isValid())
        return link;
    const QString scheme = url.scheme().toLower();
    if (scheme == u"mailto") {
        link.email = url.path();
        static const QRegularExpression unsafe(QStringLiteral("[\\[\\]'\"<>\\s]"));
        link.email.remove(unsafe);
        link.shown = link.email;
        return link;
    }
    // A link within the same page, with no page to add it to, leads nowhere.
    if (!isWebScheme(scheme) || (url.isRelative() && url.path().isEmpty()))
        return link;
    link.url = HtmlToBBCode::tagAddress(url);
    link.shown = url.toString(QUrl::PrettyDecoded);
    return link;
}

} // namespace

HtmlToBBCode::HtmlToBBCode(const QUrl &pageAddress) : m_page(pageAddress) { }

QString HtmlToBBCode::convert(const QString &html) const
{
    QTextDocument document;
    document.setUndoRedoEnabled(false);
    document.setHtml(markQuotes(html));
    return Walk(document, m_page).run();
}

QString HtmlToBBCode::tagAddress(const QUrl &address)
{
    QString text = address.toString(QUrl::PrettyDecoded);
    QString result;
    result.reserve(text.size());
    for (QChar c : std::as_const(text)) {
        switch (c.unicode()) {
        case '[':
            result += QStringLiteral("%5B");
            break;
        case ']':
            result += QStringLiteral("%5D");
            break;
        case '\'':
            result += QStringLiteral("%27");
            break;
        case '"':
            result += QStringLiteral("%22");
            break;
        case '<':
            result += QStringLiteral("%3C");
            break;
        case '>':
            result += QStringLiteral("%3E");
            break;
        case ' ':
            result += QStringLiteral("%20");
            break;
        default:
            if (c.unicode() >= 0x20)
                result += c;
        }
    }
    return result;
}

std::optional<QString> HtmlToBBCode::pasteText(const Clipboard &clipboard)
{
    const QString html = clipboard.html();
    if (!html.isEmpty()) {
        const QString post = HtmlToBBCode(clipboard.sourceUrl()).convert(html);
        if (!post.isEmpty())
            return post;
    }
    if (clipboard.hasText())
        return clipboard.text();
    return std::nullopt;
}
