#pragma once

#include <QString>

// Converts a post written in BBCode to the HTML fragment of the preview page.
// Throws WuxoError 5, 6 or 13 for the posts it cannot convert.
QString ConvertPostToHtml(const QString &post);
