#pragma once

#include <QString>

class WuxoError;

// The one line the live preview shows over its page when the post or the page
// template cannot make a page: what fails and where, in the words of the
// editor's tag warnings.
namespace LiveNotice {

// A post the converter refuses: "Line 3: " and the warning of the tag that fails.
QString forPost(const QString &post, const WuxoError &error);
// The page template cannot be read, or is empty.
QString forTemplate(const WuxoError &error);

// The line (from 1) holding a position of the post.
qsizetype lineAt(const QString &post, qsizetype position);

} // namespace LiveNotice
