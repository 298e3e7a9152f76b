#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Replacements of separate stretches of one text, gathered while a pass scans
// the text and applied at once. Edits come in on a few channels, each usually
// in ascending order, so applying them is a merge rather than a sort.
class TextEdits
{
public:
    TextEdits(QStringView source, int channels);

    // The text must stay alive until apply(): string literals do.
    void replace(int channel, qsizetype position, qsizetype length, QStringView text);
    // For texts built on the fly; the edit keeps a copy.
    void replaceWithCopy(int channel, qsizetype position, qsizetype length, QStringView text);

    // Positions are those of the source; the edits must not overlap.
    QString apply();

private:
    struct Edit
    {
        qsizetype position;
        qsizetype length;
        const QChar *text; // null: the text is in m_copies at copyOffset
        qsizetype copyOffset;
        qsizetype textLength;
    };
    struct Channel
    {
        std::vector<Edit> edits;
        bool sorted = true;
    };

    void add(int channel, const Edit &edit);

    QStringView m_source;
    std::vector<Channel> m_channels;
    QString m_copies;
    qsizetype m_growth = 0;
};
