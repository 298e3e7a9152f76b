#include "spellinglayer.h"

#include "spelling/spellchecker.h"

#include <algorithm>

using SpellScan::State;

SpellingLayer::SpellingLayer(SpellChecker *checker, QObject *parent)
    : DecorationLayer(parent), m_checker(checker)
{
    connect(m_checker, &SpellChecker::verdictsChanged, this, [this] {
        if (m_active)
            emit decorationsChanged(0, -1);
    });
}

void SpellingLayer::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    m_lines.clear();
    m_validStarts = 0;
    if (m_active)
        readWholePost();
    emit decorationsChanged(0, -1);
}

void SpellingLayer::readWholePost()
{
    const QString post = postText();
    m_lines.clear();
    qsizetype from = 0;
    while (true) {
        const qsizetype end = post.indexOf(QLatin1StringView("\r\n"), from);
        const QStringView text
            = QStringView(post).sliced(from, (end < 0 ? post.size() : end) - from);
        Line line;
        line.afterText = SpellScan::stateAfter(text, State::Text);
        line.afterCode = SpellScan::stateAfter(text, State::Code);
        m_lines.push_back(line);
        if (end < 0)
            break;
        from = end + 2;
    }
    m_validStarts = 0;
}

void SpellingLayer::postChanged(const PostChange &change)
{
    if (!m_active)
        return;
    const int newCount = change.lastLine - change.firstLine + 1;
    if (newCount > linesReadSingly) {
        readWholePost();
        return;
    }
    // The edited lines keep what they did before until they are scanned again,
    // so that an edit which leaves a code block as it was checks nothing more.
    const int size = int(m_lines.size());
    const int first = std::clamp(change.firstLine, 0, size);
    const int oldCount = std::clamp(newCount - change.lineDelta, 0, size - first);
    const int kept = std::min(oldCount, newCount);
    const auto at = m_lines.begin() + first + kept;
    if (oldCount > kept)
        m_lines.erase(at, at + (oldCount - kept));
    else
        m_lines.insert(at, size_t(newCount - kept), Line{});
    m_validStarts = std::min(m_validStarts, first + 1);
}

State SpellingLayer::startOf(int line) const
{
    if (size_t(line) >= m_lines.size())
        m_lines.resize(size_t(line) + 1);
    if (m_validStarts == 0) {
        m_lines[0].start = State::Text;
        m_validStarts = 1;
    }
    for (; m_validStarts <= line; ++m_validStarts) {
        const Line &before = m_lines[size_t(m_validStarts - 1)];
        m_lines[size_t(m_validStarts)].start = before.after(before.start);
    }
    return m_lines[size_t(line)].start;
}

void SpellingLayer::decorate(const DecorationLine &line, QList<Decoration> &out) const
{
    if (!m_active)
        return;
    const State start = startOf(line.number);
    State end = start;
    for (const SpellScan::Word &word : SpellScan::misspelled(line.text, end, *m_checker))
        out.append(Decoration{int(word.start), int(word.length), DecorationKind::Misspelling, {}});

    // What the line does to the lines after it; they are decorated again when
    // that changed (a code block opened or closed here).
    Line &stored = m_lines[size_t(line.number)];
    const State endBefore = stored.after(start);
    if (start == State::Text) {
        stored.afterText = end;
        stored.afterCode = SpellScan::stateAfter(line.text, State::Code);
    } else {
        stored.afterText = SpellScan::stateAfter(line.text, State::Text);
        stored.afterCode = end;
    }
    if (end != endBefore) {
        m_validStarts = std::min(m_validStarts, line.number + 1);
        emit const_cast<SpellingLayer *>(this)->decorationsChanged(line.number + 1, -1);
    }
}
