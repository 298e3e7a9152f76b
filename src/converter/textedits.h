#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Replacements of separate stretches of one text, gathered while a pass scans
// the text and applied at once. Edits come in on channels, each in ascending
// order, so applying them is a merge rather than a sort. Most channels always
// replace the same tag with the same text and keep only positions.
class TextEdits
{
public:
    explicit TextEdits(QStringView source);

    // A channel whose edits all replace `length` characters with `text`, which
    // must stay alive until apply() (string literals do). Returns its number.
    int addChannel(qsizetype length, QStringView text);
    // A channel whose edits each give their own length and text.
    int addChannel();

    void replace(int channel, qsizetype position);
    // The text must stay alive until apply(): string literals do.
    void replace(int channel, qsizetype position, qsizetype length, QStringView text);
    // For texts built on the fly; the edit keeps the string.
    void replaceWithOwned(int channel, qsizetype position, qsizetype length, const QString &text);
    // Takes over positions in ascending order for a channel of the first kind.
    void replaceAll(int channel, std::vector<qsizetype> &&positions);

    bool isEmpty() const { return m_count == 0; }
    // Writes the edited source to result, reusing result's memory. Positions are
    // those of the source; the edits must not overlap.
    void apply(QString &result);
    // The same, and writes for each character of the result the entry of
    // `origin` (one per source character) it was copied from, or -1 for text
    // an edit wrote.
    void apply(QString &result, const std::vector<qsizetype> &origin,
               std::vector<qsizetype> &resultOrigin);

private:
    void merge(QString &result, const std::vector<qsizetype> *origin,
               std::vector<qsizetype> *resultOrigin);

    struct Edit
    {
        qsizetype position;
        qsizetype length;
        const QChar *text;
        qsizetype textLength;
    };
    struct Channel
    {
        qsizetype length = -1; // -1: the edits carry their own
        QStringView text;
        std::vector<qsizetype> positions;
        std::vector<Edit> edits;
        bool sorted = true;
    };

    QStringView m_source;
    std::vector<Channel> m_channels;
    std::vector<QString> m_owned; // their characters stay put while the strings are moved
    qsizetype m_growth = 0;
    qsizetype m_count = 0;
};
