#pragma once

#include <QString>

// One stretch of a text and what takes its place; positions in the post's
// terms (a line break counts two characters).
struct TextReplacement
{
    qsizetype start = 0;
    qsizetype length = 0;
    QString text;

    friend bool operator==(const TextReplacement &, const TextReplacement &) = default;
};
