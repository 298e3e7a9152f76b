#include "findlayer.h"

#include <algorithm>
#include <utility>

namespace {

// Where a position of the post lies after an edit; a position inside what the
// edit replaced goes to its start, or to its end for the end of a stretch.
qsizetype moved(qsizetype position, const PostChange &change, bool isEnd)
{
    if (position < change.position)
        return position;
    if (position >= change.position + change.removed)
        return position + change.added - change.removed;
    return isEnd ? change.position + change.added : change.position;
}

} // namespace

FindLayer::FindLayer(QObject *parent) : DecorationLayer(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleTime);
    connect(&m_settle, &QTimer::timeout, this, &FindLayer::restart);
    m_slices.setSingleShot(true);
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &FindLayer::searchSlice);
}

void FindLayer::setSearch(const FindPattern &pattern, std::optional<FindScope> scope)
{
    m_active = true;
    m_pattern = pattern;
    if (scope != m_scope) {
        readPost();
        const std::optional<FindScope> before = std::exchange(m_scope, scope);
        for (const std::optional<FindScope> &marked : {before, scope}) {
            if (marked)
                markLines(marked->start, marked->end);
        }
    }
    restart();
}

void FindLayer::clear()
{
    if (!m_active)
        return;
    m_active = false;
    m_stale = false;
    m_settle.stop();
    m_slices.stop();
    m_sweep.reset();
    m_text.reset();
    m_textIsCurrent = false;
    m_matches.clear();
    m_scope.reset();
    m_current.reset();
    emit decorationsChanged(0, -1);
}

void FindLayer::readPost()
{
    if (m_textIsCurrent)
        return;
    m_sweep.reset();
    m_text = std::make_unique<FindText>(postText());
    m_textIsCurrent = true;
}

void FindLayer::restart()
{
    m_settle.stop();
    readPost();
    m_sweep
        = std::make_unique<FindPattern::Sweep>(m_pattern, *m_text, m_scope.value_or(FindScope{}));
    m_stale = true;
    m_slices.start();
}

void FindLayer::searchSlice()
{
    if (!m_sweep)
        return;
    if (!m_sweep->run(QDeadlineTimer(sliceBudget))) {
        m_slices.start();
        return;
    }
    finish(m_sweep->takeFound());
}

const QList<FoundMatch> &FindLayer::matches()
{
    if (isSearching()) {
        if (!m_sweep || !m_textIsCurrent)
            restart();
        m_slices.stop();
        m_sweep->run();
        finish(m_sweep->takeFound());
    }
    return m_matches;
}

void FindLayer::finish(QList<FoundMatch> found)
{
    m_sweep.reset();
    m_stale = false;
    // Only the lines whose marks changed are drawn again.
    qsizetype same = 0;
    const qsizetype shorter = std::min(found.size(), m_matches.size());
    while (same < shorter && found[same] == m_matches[same])
        ++same;
    qsizetype sameAtEnd = 0;
    while (sameAtEnd < shorter - same
           && found[found.size() - 1 - sameAtEnd] == m_matches[m_matches.size() - 1 - sameAtEnd])
        ++sameAtEnd;
    qsizetype from = -1;
    qsizetype to = -1;
    for (const QList<FoundMatch> *list : {&found, &m_matches}) {
        for (qsizetype i = same; i < list->size() - sameAtEnd; ++i) {
            from = from < 0 ? (*list)[i].start : std::min(from, (*list)[i].start);
            to = std::max(to, (*list)[i].end());
        }
    }
    m_matches = std::move(found);
    if (from >= 0)
        markLines(from, to);
    emit matchesChanged();
}

void FindLayer::markLines(qsizetype from, qsizetype to)
{
    readPost();
    emit decorationsChanged(m_text->lineAt(m_text->fromPost(from)),
                            to < 0 ? -1 : m_text->lineAt(m_text->fromPost(to)));
}

void FindLayer::setCurrent(std::optional<FoundMatch> match)
{
    if (match == m_current)
        return;
    const std::optional<FoundMatch> before = std::exchange(m_current, match);
    for (const std::optional<FoundMatch> &marked : {before, match}) {
        if (marked)
            markLines(marked->start, marked->end());
    }
}

void FindLayer::postChanged(const PostChange &change)
{
    if (!m_active)
        return;
    const qsizetype editEnd = change.position + change.removed;
    const qsizetype shift = change.added - change.removed;
    const auto touched = [&](const FoundMatch &match) {
        return match.start <= editEnd && match.end() >= change.position;
    };
    m_matches.removeIf(touched);
    for (FoundMatch &match : m_matches) {
        if (match.start > editEnd)
            match.start += shift;
    }
    if (m_current && touched(*m_current))
        m_current.reset();
    else if (m_current && m_current->start > editEnd)
        m_current->start += shift;
    if (m_scope) {
        m_scope->start = moved(m_scope->start, change, false);
        if (m_scope->end >= 0)
            m_scope->end = moved(m_scope->end, change, true);
    }
    m_sweep.reset();
    m_textIsCurrent = false;
    m_slices.stop();
    m_stale = true;
    m_settle.start();
}

void FindLayer::decorate(const DecorationLine &line, QList<Decoration> &out) const
{
    if (!m_active)
        return;
    const qsizetype lineEnd = line.start + line.text.size();
    const auto mark = [&](const FoundMatch &match, DecorationKind kind) {
        if (match.length <= 0 || match.start >= lineEnd || match.end() <= line.start)
            return;
        const qsizetype from = std::max(match.start, line.start) - line.start;
        const qsizetype to = std::min(match.end(), lineEnd) - line.start;
        out.append({int(from), int(to - from), kind, QString()});
    };
    if (m_scope) {
        const qsizetype end = m_scope->end < 0 ? lineEnd : m_scope->end;
        mark({m_scope->start, end - m_scope->start}, DecorationKind::SearchScope);
    }
    // Matches never overlap, so their ends rise with their starts.
    auto at = std::lower_bound(
        m_matches.begin(), m_matches.end(), line.start,
        [](const FoundMatch &match, qsizetype start) { return match.end() <= start; });
    for (; at != m_matches.end() && at->start < lineEnd; ++at)
        mark(*at, DecorationKind::SearchMatch);
    if (m_current)
        mark(*m_current, DecorationKind::CurrentSearchMatch);
}
