#include "textedits.h"

#include <algorithm>
#include <limits>

TextEdits::TextEdits(QStringView source, int channels)
    : m_source(source),
      m_channels(size_t(channels))
{
}

void TextEdits::add(int channel, const Edit &edit)
{
    Channel &target = m_channels[size_t(channel)];
    if (!target.edits.empty() && target.edits.back().position > edit.position)
        target.sorted = false;
    target.edits.push_back(edit);
    m_growth += edit.textLength - edit.length;
}

void TextEdits::replace(int channel, qsizetype position, qsizetype length, QStringView text)
{
    add(channel, {position, length, text.data(), 0, text.size()});
}

void TextEdits::replaceWithCopy(int channel, qsizetype position, qsizetype length, QStringView text)
{
    add(channel, {position, length, nullptr, m_copies.size(), text.size()});
    m_copies.append(text);
}

QString TextEdits::apply()
{
    const auto byPosition = [](const Edit &a, const Edit &b) { return a.position < b.position; };
    std::vector<size_t> next(m_channels.size(), 0);
    for (Channel &channel : m_channels) {
        if (!channel.sorted)
            std::stable_sort(channel.edits.begin(), channel.edits.end(), byPosition);
    }
    QString result;
    result.reserve(m_source.size() + m_growth);
    qsizetype done = 0;
    for (;;) {
        const Edit *edit = nullptr;
        size_t from = 0;
        qsizetype lowest = std::numeric_limits<qsizetype>::max();
        for (size_t c = 0; c < m_channels.size(); ++c) {
            const std::vector<Edit> &edits = m_channels[c].edits;
            if (next[c] < edits.size() && edits[next[c]].position < lowest) {
                lowest = edits[next[c]].position;
                edit = &edits[next[c]];
                from = c;
            }
        }
        if (!edit)
            break;
        ++next[from];
        result.append(m_source.mid(done, edit->position - done));
        if (edit->text)
            result.append(QStringView(edit->text, edit->textLength));
        else
            result.append(QStringView(m_copies).mid(edit->copyOffset, edit->textLength));
        done = edit->position + edit->length;
    }
    result.append(m_source.mid(done));
    return result;
}
