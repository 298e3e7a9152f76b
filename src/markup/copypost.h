#pragma once

#include <QString>
#include <QStringList>

// The text work of copying a post to the clipboard: the length test, the
// tidying of runs of empty lines.
// A line break is one CR LF pair; a lone CR or LF is not one.
namespace CopyPost {

// Replaces each run of `n` consecutive line breaks with two, left to right,
// without scanning the inserted breaks again.
QString removeBreakRuns(const QString &text, int n);

// The post after each of the four tidying passes (runs of 6, 5, 4, then 3
// breaks), in order; each pass works on the result of the one before.
QStringList tidyPasses(const QString &text);

// A post of fewer than two characters is not copied or previewed.
bool longEnough(const QString &text);

// Source texts of the warning; the window shows them translated in context "CopyPost".
inline constexpr char tooShortMessage[]
    = QT_TRANSLATE_NOOP("CopyPost", "You must enter a message to post!");
inline constexpr char tooShortTitle[] = QT_TRANSLATE_NOOP("CopyPost", "Error");

} // namespace CopyPost
