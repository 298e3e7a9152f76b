#include "newslayout.h"

#include <algorithm>

NewsLayout NewsLayout::compute(const QList<bool> &multiLine, const QList<int> &labelWidths,
                               int maxClientHeight, int scrollBarWidth)
{
    NewsLayout layout;
    const qsizetype count = std::min(multiLine.size(), labelWidths.size());
    int widest = 0;
    int top = firstTop;
    for (qsizetype i = 0; i < count; ++i) {
        const int height = multiLine.at(i) ? multiLineHeight : singleLineHeight;
        if (i > 0)
            top = layout.fieldTops.last() + layout.fieldHeights.last() + fieldGap;
        layout.fieldTops.append(top);
        layout.fieldHeights.append(height);
        layout.labelTops.append(i > 0 ? top + 2 : firstTop);
        widest = std::max(widest, labelWidths.at(i));
    }
    if (count == 0)
        return layout;

    // A caption wider than the window leaves the field column its minimum.
    layout.labelColumn = std::min(widest, clientWidth - 23 - minFieldWidth);
    for (qsizetype i = 0; i < count; ++i) {
        const int width = std::min(labelWidths.at(i), layout.labelColumn);
        layout.labelWidths.append(width);
        layout.labelLefts.append(layout.labelColumn - width + 8);
    }
    layout.fieldLeft = layout.labelColumn + 14;
    layout.fieldWidth = clientWidth - layout.labelColumn - 23;

    const int lastBottom = layout.fieldTops.last() + layout.fieldHeights.last();
    layout.okTop = lastBottom + buttonGap;
    layout.clientHeight = layout.okTop + clientBelowButtonTop;
    if (maxClientHeight > 0 && layout.clientHeight > maxClientHeight) {
        layout.scrolled = true;
        layout.clientHeight
            = std::max(maxClientHeight, headerHeight + buttonBandHeight + multiLineHeight);
        layout.okTop = layout.clientHeight - clientBelowButtonTop;
        layout.fieldWidth -= scrollBarWidth;
        layout.scrollTop = headerHeight;
        layout.contentHeight = lastBottom + fieldGap - headerHeight;
    }
    layout.buttonBandTop = layout.clientHeight - buttonBandHeight;
    if (layout.scrolled)
        layout.scrollHeight = layout.buttonBandTop - layout.scrollTop;
    return layout;
}
