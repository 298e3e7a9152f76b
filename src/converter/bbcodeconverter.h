#pragma once

#include <QString>
#include <QStringView>

#include <span>

struct ConversionTrace;

// Converts a post written in BBCode (CR LF line breaks) to the HTML fragment of
// the preview page. Throws WuxoError 5 (a tag it cannot pair or a list item
// without a line break), 13 or 6 (a [size] value that is not a number or is out
// of range), and 7 when the result would pass the length limit: links without
// "=" write their address twice, so nested ones double the text at each level.
QString ConvertPostToHtml(const QString &post);
QString ConvertPostToHtml(const QString &post, qsizetype lengthLimit);

// The limit ConvertPostToHtml(post) uses: 8 Mi characters, or 32 times the
// post for longer posts, more than any post grows without nested links.
qsizetype htmlLengthLimit(qsizetype postLength);

// The same, and fills trace with what became of each character of the post,
// also when the conversion throws.
QString ConvertPostToHtml(const QString &post, qsizetype lengthLimit, ConversionTrace &trace);

// The names of the tags the conversion knows, in small letters, as it tries them.
std::span<const QStringView> ConvertedTagNames();
