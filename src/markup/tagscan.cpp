#include "tagscan.h"

namespace TagScan {

std::vector<std::vector<qsizetype>> find(QStringView text, std::initializer_list<QStringView> tags)
{
    std::vector<std::vector<qsizetype>> found(tags.size());
    for (auto &positions : found)
        positions.reserve(size_t(text.size() / 32));
    const QChar *data = text.data();
    const qsizetype size = text.size();
    for (qsizetype at = text.indexOf(u'['); at >= 0; at = text.indexOf(u'[', at + 1)) {
        if (at + 1 == size)
            break;
        const QChar second = data[at + 1];
        size_t index = 0;
        for (QStringView tag : tags) {
            if (tag.at(1) == second && at + tag.size() <= size
                && QStringView(data + at + 2, tag.size() - 2) == tag.mid(2)) {
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
    for (qsizetype at = text.indexOf(character); at >= 0; at = text.indexOf(character, at + 1))
        found.push_back(at);
    return found;
}

std::vector<qsizetype> findLineBreaks(QStringView text)
{
    std::vector<qsizetype> found;
    found.reserve(size_t(text.size() / 16));
    const qsizetype last = text.size() - 1;
    for (qsizetype at = text.indexOf(u'\r'); at >= 0 && at < last; at = text.indexOf(u'\r', at + 1)) {
        if (text.at(at + 1) == u'\n')
            found.push_back(at);
    }
    return found;
}

} // namespace TagScan
