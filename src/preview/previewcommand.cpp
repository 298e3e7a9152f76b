#include "previewcommand.h"

#include "converter/bbcodeconverter.h"
#include "foundation/datafolder.h"
#include "foundation/wuxoerror.h"
#include "previewpage.h"

namespace {

// Past this many characters the page is refused rather than built: a template
// that repeats "[post]" many times around a long post would otherwise ask for
// gigabytes, and no browser shows such a page anyway.
constexpr qsizetype maxPageLength = qsizetype(64) * 1024 * 1024;

void checkPageLength(const QString &templateText, const QString &html)
{
    const qsizetype placeholders = templateText.count(QStringLiteral("[post]"));
    const qsizetype growth = html.size() - 6;
    if (placeholders > 0 && growth > 0
        && templateText.size() + placeholders * growth > maxPageLength)
        throw WuxoError(ErrorNumber::OutOfMemory);
}

} // namespace

namespace PreviewCommand {

QString writePage(const QString &postText)
{
    const QString templateText
        = PreviewPage::readTemplate(DataFolder::filePath(templateFileName.toString()));
    const QString html = ConvertPostToHtml(postText);
    checkPageLength(templateText, html);
    const QString pagePath = DataFolder::filePath(pageFileName.toString());
    PreviewPage::write(pagePath, PreviewPage::fill(templateText, html));
    return pagePath;
}

} // namespace PreviewCommand
