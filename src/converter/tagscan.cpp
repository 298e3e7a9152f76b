#include "tagscan.h"

#include <array>

namespace TagScan {

namespace {

bool matchesAt(const char16_t *data, QStringView tag)
{
    const char16_t *name = tag.utf16();
    for (qsizetype i = 2; i < tag.size(); ++i) {
        if (data[i] != name[i])
            return false;
    }
    return true;
}

// Tags stand a few characters apart in the posts that matter, so one plain loop
// over the text beats a call into a vectorised search for every one of them,
// and it notes the marks on the way instead of sweeping the text again.
template<Marks marks> Found sweep(QStringView text, std::initializer_list<QStringView> tags)
{
    Found found;
    found.tags.resize(tags.size());
    for (auto &positions : found.tags)
        positions.reserve(size_t(text.size() / 32));
    if constexpr (marks != Marks::None)
        found.marks.reserve(size_t(text.size() / 16));
    // The tags to try after a "[", by the character that follows it: the first
    // one that is tried, and after each the next one, or -1.
    std::array<int, 128> firstTried;
    firstTried.fill(-1);
    std::vector<int> nextTried(tags.size(), -1);
    for (int index = int(tags.size()) - 1; index >= 0; --index) {
        const char16_t second = tags.begin()[index].utf16()[1];
        Q_ASSERT(size_t(second) < firstTried.size());
        nextTried[size_t(index)] = firstTried[second];
        firstTried[second] = index;
    }
    const char16_t *data = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype at = 0; at < size; ++at) {
        const char16_t c = data[at];
        // Small letters, the bulk of any post, come after every character looked for.
        if (c > u']')
            continue;
        if (c == u'[') {
            if (at + 1 == size)
                break;
            const char16_t second = data[at + 1];
            if (size_t(second) >= firstTried.size())
                continue;
            for (int index = firstTried[second]; index >= 0; index = nextTried[size_t(index)]) {
                const QStringView tag = tags.begin()[index];
                if (at + tag.size() <= size && matchesAt(data + at, tag)) {
                    found.tags[size_t(index)].push_back(at);
                    break;
                }
            }
        } else if constexpr (marks == Marks::Brackets) {
            if (c == u']')
                found.marks.push_back(at);
        } else if constexpr (marks == Marks::LineBreaks) {
            if (c == u'\r' && at + 1 < size && data[at + 1] == u'\n')
                found.marks.push_back(at);
        }
    }
    return found;
}

} // namespace

Found find(QStringView text, std::initializer_list<QStringView> tags, Marks marks)
{
    switch (marks) {
    case Marks::Brackets:
        return sweep<Marks::Brackets>(text, tags);
    case Marks::LineBreaks:
        return sweep<Marks::LineBreaks>(text, tags);
    case Marks::None:
        break;
    }
    return sweep<Marks::None>(text, tags);
}

std::vector<qsizetype> findCharacter(QStringView text, QChar character)
{
    std::vector<qsizetype> found;
    found.reserve(size_t(text.size() / 16));
    const char16_t *data = text.utf16();
    const qsizetype size = text.size();
    const char16_t c = character.unicode();
    for (qsizetype at = 0; at < size; ++at) {
        if (data[at] == c)
            found.push_back(at);
    }
    return found;
}

} // namespace TagScan
