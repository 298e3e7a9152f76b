#pragma once

#include <QColor>

// The colours the editor decorates tags and search matches with, derived from
// the text area's own background and text colours so they read under any skin
// and palette.
struct DecorationColours
{
    QColor tag;
    QColor value;
    QColor warning;
    // Backgrounds: the text still reads on them at minimumTextContrast where it
    // reads on the text area's background.
    QColor match;
    QColor currentMatch;
    QColor scope;

    // Text colours reach a contrast of at least minimumTextContrast on the
    // background; the warning wave, a line rather than text, minimumLineContrast.
    static DecorationColours forTextArea(const QColor &background, const QColor &text);

    static constexpr double minimumTextContrast = 4.5;
    static constexpr double minimumLineContrast = 3.0;

    friend bool operator==(const DecorationColours &, const DecorationColours &) = default;
};

// The contrast ratio of two colours as web accessibility guidelines define it:
// 1 for equal colours, 21 for black on white.
double contrastRatio(const QColor &first, const QColor &second);
