#include "tagscan.h"

namespace TagScan {

namespace {

// The next `c` at or after `from`, or -1. Tags stand a few characters apart in
// the posts that matter, so a plain loop beats a call into a vectorised search
// for every one of them.
qsizetype nextOf(const char16_t *data, qsizetype size, qsizetype from, char16_t c)
{
    for (qsizetype at = from; at < size; ++at) {
        if (data[at] == c)
            return at;
    }
    return -1;
}

bool matchesAt(const char16_t *data, QStringView tag)
{
    const char16_t *name = tag.utf16();
    for (qsizetype i = 2; i < tag.size(); ++i) {
        if (data[i] != name[i])
            return false;
    }
    return true;
}

} // namespace

std::vector<std::vector<qsizetype>> find(QStringView text, std::initializer_list<QStringView> tags)
{
    std::vector<std::vector<qsizetype>> found(tags.size());
    for (auto &positions : found)
        positions.reserve(size_t(text.size() / 32));
    const char16_t *data = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype at = nextOf(data, size, 0, u'['); at >= 0;
         at = nextOf(data, size, at + 1, u'[')) {
        if (at + 1 == size)
            break;
        const char16_t second = data[at + 1];
        size_t index = 0;
        for (QStringView tag : tags) {
            if (tag.utf16()[1] == second && at + tag.size() <= size && matchesAt(data + at, tag)) {
                found[index].push_back(at);
                break;
            }
            ++index;
        }
    }
    return found;
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

std::vector<qsizetype> findLineBreaks(QStringView text)
{
    std::vector<qsizetype> found;
    found.reserve(size_t(text.size() / 16));
    const char16_t *data = text.utf16();
    const qsizetype last = text.size() - 1;
    for (qsizetype at = 0; at < last; ++at) {
        if (data[at] == u'\r' && data[at + 1] == u'\n')
            found.push_back(at);
    }
    return found;
}

} // namespace TagScan
