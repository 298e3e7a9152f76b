#include "taglayer.h"

#include <algorithm>

TagLayer::TagLayer(QObject *parent) : DecorationLayer(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleTime);
    connect(&m_settle, &QTimer::timeout, this, &TagLayer::analyseNow);
    m_settle.start(0);
}

void TagLayer::postChanged(const PostChange &change)
{
    // Tags the edit touched are gone until the post is read again; those after
    // it move with the text.
    const qsizetype editEnd = change.position + change.removed;
    const qsizetype shift = change.added - change.removed;
    std::erase_if(m_tags, [&](const Placed &placed) {
        return placed.tag.start < editEnd && placed.tag.start + placed.tag.length > change.position;
    });
    for (Placed &placed : m_tags) {
        if (placed.tag.start >= editEnd) {
            placed.tag.start += shift;
            if (placed.tag.valueStart >= 0)
                placed.tag.valueStart += shift;
            placed.line += change.lineDelta;
        }
    }
    m_settle.start(settleTime);
}

void TagLayer::analyseNow()
{
    m_settle.stop();
    const QString post = postText();
    m_verdicts = TagVerdicts::analyse(post).tags();
    show(post);
}

void TagLayer::setReview(Review review)
{
    m_review = std::move(review);
    // While a reading is due the review waits for it.
    if (!m_settle.isActive())
        show(postText());
}

void TagLayer::show(const QString &post)
{
    std::vector<TagVerdicts::Tag> reviewed;
    if (m_review) {
        reviewed = m_verdicts;
        m_review(post, reviewed);
    }
    const std::vector<TagVerdicts::Tag> &tags = m_review ? reviewed : m_verdicts;
    std::vector<Placed> placed;
    placed.reserve(tags.size());
    int line = 0;
    qsizetype counted = 0;
    for (const TagVerdicts::Tag &tag : tags) {
        for (qsizetype at = post.indexOf(u'\n', counted); at >= 0 && at < tag.start;
             at = post.indexOf(u'\n', at + 1)) {
            ++line;
            counted = at + 1;
        }
        placed.push_back({tag, line});
    }

    // Only the lines whose tags changed are drawn again.
    size_t same = 0;
    while (same < placed.size() && same < m_tags.size() && placed[same].tag == m_tags[same].tag
           && placed[same].line == m_tags[same].line)
        ++same;
    if (same == placed.size() && same == m_tags.size()) {
        emit analysed();
        return;
    }
    size_t sameAtEnd = 0;
    while (sameAtEnd < placed.size() - same && sameAtEnd < m_tags.size() - same
           && placed[placed.size() - 1 - sameAtEnd].tag == m_tags[m_tags.size() - 1 - sameAtEnd].tag
           && placed[placed.size() - 1 - sameAtEnd].line
               == m_tags[m_tags.size() - 1 - sameAtEnd].line)
        ++sameAtEnd;
    int first = INT_MAX;
    int last = -1;
    for (const auto *list : {&placed, &m_tags}) {
        for (size_t i = same; i < list->size() - sameAtEnd; ++i) {
            first = std::min(first, (*list)[i].line);
            last = std::max(last, (*list)[i].line);
        }
    }
    m_tags = std::move(placed);
    emit decorationsChanged(first, last);
    emit analysed();
}

void TagLayer::decorate(const DecorationLine &line, QList<Decoration> &out) const
{
    const qsizetype lineEnd = line.start + line.text.size();
    auto at = std::lower_bound(
        m_tags.begin(), m_tags.end(), line.start,
        [](const Placed &placed, qsizetype start) { return placed.tag.start < start; });
    for (; at != m_tags.end() && at->tag.start < lineEnd; ++at) {
        const TagVerdicts::Tag &tag = at->tag;
        const int start = int(tag.start - line.start);
        if (tag.verdict != TagVerdicts::Verdict::Converted) {
            out.append({start, int(tag.length), DecorationKind::Warning,
                        tag.note.isEmpty() ? tag.message : tag.message + u'\n' + tag.note});
            continue;
        }
        if (tag.noteWarns)
            out.append({start, int(tag.length), DecorationKind::Warning, tag.note});
        out.append({start, int(tag.headLength), DecorationKind::TagName,
                    tag.noteWarns ? QString() : tag.note});
        if (tag.valueStart >= 0) {
            out.append({int(tag.valueStart - line.start), int(tag.valueLength),
                        DecorationKind::TagValue, QString()});
            out.append({int(tag.valueStart + tag.valueLength - line.start), 1,
                        DecorationKind::TagName, QString()});
        }
    }
}
