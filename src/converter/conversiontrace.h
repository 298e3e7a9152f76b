#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// What a conversion did with each character of the post, for the editor's tag
// highlighting: filled by ConvertPostToHtml when asked, so the editor shows
// what the converter itself decides.
struct ConversionTrace
{
    // For each character of the HTML, the position in the post it was copied
    // from, or -1 for text the conversion wrote. A post's character that no
    // entry names was consumed: it was part of a converted tag.
    std::vector<qsizetype> origin;
    // The post with tags in capitals turned to lower case, as the tag passes saw it.
    QString normalised;
    // When the conversion failed: the error number and where in the post the
    // construct that failed starts (-1 when no one place is to blame).
    int errorNumber = 0;
    qsizetype errorPosition = -1;
    QString errorDescription;
};
