#include "textedits.h"

#include <algorithm>
#include <cstring>
#include <utility>

TextEdits::TextEdits(QStringView source) : m_source(source)
{
    m_channels.reserve(24);
}

int TextEdits::addChannel(qsizetype length, QStringView text)
{
    Channel channel;
    channel.length = length;
    channel.text = text;
    m_channels.push_back(std::move(channel));
    return int(m_channels.size()) - 1;
}

int TextEdits::addChannel()
{
    m_channels.emplace_back();
    return int(m_channels.size()) - 1;
}

void TextEdits::replace(int channel, qsizetype position)
{
    Channel &target = m_channels[size_t(channel)];
    Q_ASSERT(target.length >= 0);
    if (!target.positions.empty() && target.positions.back() > position)
        target.sorted = false;
    target.positions.push_back(position);
    m_growth += target.text.size() - target.length;
    ++m_count;
}

void TextEdits::replace(int channel, qsizetype position, qsizetype length, QStringView text)
{
    Channel &target = m_channels[size_t(channel)];
    Q_ASSERT(target.length < 0);
    if (!target.edits.empty() && target.edits.back().position > position)
        target.sorted = false;
    target.edits.push_back({position, length, text.data(), text.size()});
    m_growth += text.size() - length;
    ++m_count;
}

void TextEdits::replaceWithOwned(int channel, qsizetype position, qsizetype length,
                                 const QString &text)
{
    m_owned.push_back(text);
    replace(channel, position, length, m_owned.back());
}

void TextEdits::replaceAll(int channel, std::vector<qsizetype> &&positions)
{
    Channel &target = m_channels[size_t(channel)];
    Q_ASSERT(target.length >= 0 && target.positions.empty());
    m_growth += (target.text.size() - target.length) * qsizetype(positions.size());
    m_count += qsizetype(positions.size());
    target.positions = std::move(positions);
}

void TextEdits::apply(QString &result)
{
    merge(result, nullptr, nullptr);
}

void TextEdits::apply(QString &result, const std::vector<qsizetype> &origin,
                      std::vector<qsizetype> &resultOrigin)
{
    merge(result, &origin, &resultOrigin);
}

void TextEdits::merge(QString &result, const std::vector<qsizetype> *origin,
                      std::vector<qsizetype> *resultOrigin)
{
    // A heap of the next edit of every channel, lowest position on top.
    std::vector<std::pair<qsizetype, size_t>> heads;
    std::vector<size_t> next(m_channels.size(), 0);
    const auto positionAt = [this](size_t c, size_t index) {
        const Channel &channel = m_channels[c];
        return channel.length >= 0 ? channel.positions[index] : channel.edits[index].position;
    };
    for (size_t c = 0; c < m_channels.size(); ++c) {
        Channel &channel = m_channels[c];
        if (!channel.sorted) {
            std::sort(channel.positions.begin(), channel.positions.end());
            std::stable_sort(channel.edits.begin(), channel.edits.end(),
                             [](const Edit &a, const Edit &b) { return a.position < b.position; });
        }
        if (!channel.positions.empty() || !channel.edits.empty())
            heads.emplace_back(positionAt(c, 0), c);
    }
    const auto later = [](const auto &a, const auto &b) {
        return a.first > b.first;
    };
    std::make_heap(heads.begin(), heads.end(), later);

    result.resize(m_source.size() + m_growth);
    QChar *out = result.data();
    const QChar *source = m_source.data();
    if (resultOrigin) {
        resultOrigin->clear();
        resultOrigin->reserve(size_t(result.size()));
    }
    const auto copy = [&](const QChar *from, qsizetype count, bool fromSource) {
        std::memcpy(static_cast<void *>(out), from, size_t(count) * sizeof(QChar));
        out += count;
        if (!resultOrigin)
            return;
        if (fromSource) {
            const auto first = origin->begin() + (from - source);
            resultOrigin->insert(resultOrigin->end(), first, first + count);
        } else {
            resultOrigin->insert(resultOrigin->end(), size_t(count), -1);
        }
    };
    qsizetype done = 0;
    while (!heads.empty()) {
        std::pop_heap(heads.begin(), heads.end(), later);
        const size_t c = heads.back().second;
        const Channel &channel = m_channels[c];
        const size_t index = next[c]++;
        const size_t count = channel.length >= 0 ? channel.positions.size() : channel.edits.size();
        if (index + 1 < count) {
            heads.back().first = positionAt(c, index + 1);
            std::push_heap(heads.begin(), heads.end(), later);
        } else {
            heads.pop_back();
        }
        const qsizetype position = positionAt(c, index);
        copy(source + done, position - done, true);
        if (channel.length >= 0) {
            copy(channel.text.data(), channel.text.size(), false);
            done = position + channel.length;
        } else {
            const Edit &edit = channel.edits[index];
            copy(edit.text, edit.textLength, false);
            done = position + edit.length;
        }
    }
    copy(source + done, m_source.size() - done, true);
    Q_ASSERT(out == result.constData() + result.size());
}
