#pragma once

#include <QList>

// Where the post generator window puts its labels, fields and buttons, in pixels
// of its client area: fields stacked 8 apart below the header band, labels
// right-aligned 6 before the field column, the buttons 12 below the last field.
// When that would be taller than the screen allows, the fields scroll between
// the header band and the button band instead.
struct NewsLayout
{
    static constexpr int clientWidth = 575;
    static constexpr int headerHeight = 26;
    static constexpr int firstTop = 35;
    static constexpr int singleLineHeight = 21;
    static constexpr int multiLineHeight = 78;
    static constexpr int fieldGap = 8;
    static constexpr int buttonGap = 12;
    static constexpr int buttonHeight = 22;
    static constexpr int buttonBandHeight = 30;
    static constexpr int minFieldWidth = 120;
    // The client height below the Create button's top; the window's outer
    // height adds its frame (about 32 pixels) to make the Create top + 58.
    static constexpr int clientBelowButtonTop = 26;

    // Tops and lefts in the client area's terms even when scrolled: the
    // scrolled fields then sit at top − headerHeight inside the scrolled area.
    QList<int> fieldTops;
    QList<int> fieldHeights;
    QList<int> labelTops;
    QList<int> labelLefts;
    QList<int> labelWidths; // a caption too wide for the window is cut to the column
    int labelColumn = 0;    // the widest label
    int fieldLeft = 0;
    int fieldWidth = 0;
    int okTop = 0;
    int clientHeight = 0;
    int buttonBandTop = 0;

    bool scrolled = false;
    int scrollTop = 0;
    int scrollHeight = 0;
    int contentHeight = 0;

    // One entry per field: whether it is multi-line and its label's width.
    // `maxClientHeight` 0 means no limit; `scrollBarWidth` is kept clear on the
    // right of the fields when they scroll.
    static NewsLayout compute(const QList<bool> &multiLine, const QList<int> &labelWidths,
                              int maxClientHeight = 0, int scrollBarWidth = 0);
};
