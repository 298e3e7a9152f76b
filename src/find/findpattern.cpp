#include "findpattern.h"

#include <QCoreApplication>

namespace {

// Not between two word characters: where a whole word may start or end.
constexpr QStringView wordEdge = u"(?!(?<=\\w)\\w)";

} // namespace

FindPattern::FindPattern(const QString &pattern, FindOptions options)
    : m_pattern(pattern), m_options(options)
{
    if (pattern.isEmpty())
        return;
    QRegularExpression::PatternOptions flags
        = QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::MultilineOption;
    if (!options.matchCase)
        flags |= QRegularExpression::CaseInsensitiveOption;
    QString source = options.regularExpression ? pattern : QRegularExpression::escape(pattern);
    if (options.regularExpression) {
        // The user's pattern on its own first, so that the error and its place
        // are those of what was typed.
        const QRegularExpression typed(source, flags);
        if (!typed.isValid()) {
            m_error = QCoreApplication::translate("FindPattern",
                                                  "The pattern is not valid at character %1: %2")
                          .arg(typed.patternErrorOffset() + 1)
                          .arg(typed.errorString());
            return;
        }
    }
    if (options.wholeWords)
        source = QStringLiteral("%1(?:%2)%1").arg(wordEdge, source);
    m_regex = QRegularExpression(source, flags);
    m_regex.optimize();
}

FindPattern::Sweep::Sweep(const FindPattern &pattern, const FindText &text, FindScope scope)
    : m_text(text)
{
    if (std::optional<QRegularExpressionMatchIterator> matches
        = pattern.iterate(text, scope, m_end)) {
        m_matches = *matches;
        m_done = false;
    }
}

std::optional<QRegularExpressionMatchIterator>
FindPattern::iterate(const FindText &text, FindScope scope, qsizetype &end) const
{
    if (isEmpty() || !isValid())
        return std::nullopt;
    const qsizetype start = text.fromPost(scope.start);
    end = scope.end < 0 ? text.text().size() : text.fromPost(scope.end);
    if (start > end)
        return std::nullopt;
    return m_regex.globalMatch(text.text(), start);
}

bool FindPattern::Sweep::run(QDeadlineTimer deadline)
{
    int sinceClockRead = 0;
    while (!m_done) {
        if (!m_matches.hasNext()) {
            m_done = true;
            break;
        }
        const QRegularExpressionMatch match = m_matches.next();
        // Every later match starts after this one's end.
        if (match.capturedEnd() > m_end) {
            m_done = true;
            break;
        }
        const qsizetype postStart = m_text.toPost(match.capturedStart());
        m_found.append({postStart, m_text.toPost(match.capturedEnd()) - postStart});
        if (++sinceClockRead == 64) {
            sinceClockRead = 0;
            if (deadline.hasExpired())
                return false;
        }
    }
    return true;
}

QList<FoundMatch> FindPattern::matches(const FindText &text, FindScope scope) const
{
    Sweep sweep(*this, text, scope);
    sweep.run();
    return sweep.takeFound();
}

std::optional<QString> FindPattern::replacementFor(const FindText &text, FoundMatch match,
                                                   const QString &replacement) const
{
    if (isEmpty() || !isValid())
        return std::nullopt;
    const qsizetype start = text.fromPost(match.start);
    const qsizetype end = text.fromPost(match.end());
    if (text.toPost(start) != match.start || text.toPost(end) != match.end())
        return std::nullopt;
    const QRegularExpressionMatch found
        = m_regex.match(text.text(), start, QRegularExpression::NormalMatch,
                        QRegularExpression::AnchorAtOffsetMatchOption);
    if (!found.hasMatch() || found.capturedEnd() != end)
        return std::nullopt;
    return expand(found, replacement);
}

QList<TextReplacement> FindPattern::replacements(const FindText &text, const QString &replacement,
                                                 FindScope scope) const
{
    QList<TextReplacement> result;
    qsizetype end = 0;
    std::optional<QRegularExpressionMatchIterator> matches = iterate(text, scope, end);
    if (!matches)
        return result;
    const QString plain = FindText::toPostText(replacement);
    while (matches->hasNext()) {
        const QRegularExpressionMatch match = matches->next();
        if (match.capturedEnd() > end)
            break;
        const qsizetype postStart = text.toPost(match.capturedStart());
        result.append({postStart, text.toPost(match.capturedEnd()) - postStart,
                       m_options.regularExpression ? expand(match, replacement) : plain});
    }
    return result;
}

QString FindPattern::expand(const QRegularExpressionMatch &match, const QString &replacement) const
{
    if (!m_options.regularExpression)
        return FindText::toPostText(replacement);
    QString result;
    result.reserve(replacement.size());
    for (qsizetype at = 0; at < replacement.size(); ++at) {
        const QChar c = replacement[at];
        if (c != u'\\' || at + 1 == replacement.size()) {
            result.append(c);
            continue;
        }
        const QChar next = replacement[++at];
        if (next.isDigit() && next.unicode() < 0x80)
            result.append(FindText::toPostText(match.capturedView(next.unicode() - u'0')));
        else if (next == u'n')
            result.append(QStringLiteral("\r\n"));
        else if (next == u't')
            result.append(u'\t');
        else if (next == u'\\')
            result.append(u'\\');
        else
            result.append(c).append(next);
    }
    return result;
}
