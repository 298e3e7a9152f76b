#pragma once

#include <QString>

// The page template of the preview ("preview.txt") and the page made from it
// ("preview.html"): every "[post]" is replaced by the converted post.
namespace PreviewPage {

// The template's lines joined by CR LF, without a line break after the last.
// Throws WuxoError 53 when the file is missing (or another file error) and 5
// when it is empty.
QString readTemplate(const QString &path);

// Replaces every "[post]" (exactly so, left to right); the post put in is not
// searched again, so a post that itself holds "[post]" shows it as text.
QString fill(const QString &templateText, const QString &html);

// Throws WuxoError 7 when the page filled with `html` would be too large to
// build (a template that repeats "[post]" around a long post).
void checkLength(const QString &templateText, const QString &html);

// Writes the page followed by CR LF, replacing the file at once.
void write(const QString &path, const QString &page);

} // namespace PreviewPage
