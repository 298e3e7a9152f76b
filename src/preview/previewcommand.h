#pragma once

#include <QString>

// Builds the preview page of a post: the template "preview.txt" of the data
// folder with every "[post]" filled by the converted post, written whole to
// "preview.html" beside it.
namespace PreviewCommand {

// Returns the full path of the page written. Throws WuxoError: 53 when the
// template is missing, 5 when it is empty, the converter's numbers for a post
// it cannot convert, 7 for a page too large to build, and the file errors of
// writing. On any failure an earlier page stays as it was.
QString writePage(const QString &postText);

inline constexpr QStringView templateFileName = u"preview.txt";
inline constexpr QStringView pageFileName = u"preview.html";

} // namespace PreviewCommand
