#pragma once

#include <QString>

// The page template of the preview: every "[post]" is replaced by the post.
namespace PreviewPage {
QString readTemplate(const QString &path);
QString fill(const QString &templateText, const QString &html);
void write(const QString &path, const QString &page);
} // namespace PreviewPage
