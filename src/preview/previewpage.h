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

// Past this many characters a page is refused rather than built: a template
// that repeats "[post]" many times around a long post would otherwise ask for
// gigabytes, and no browser shows such a page anyway.
inline constexpr qsizetype maxLength = qsizetype(64) * 1024 * 1024;

// Throws WuxoError 7, saying the limit, when filling the template with a
// converted post of `htmlLength` characters would make a page past maxLength.
void checkLength(const QString &templateText, qsizetype htmlLength);

// Writes the page followed by CR LF, replacing the file at once.
void write(const QString &path, const QString &page);

} // namespace PreviewPage
