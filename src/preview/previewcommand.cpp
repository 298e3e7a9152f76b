#include "previewcommand.h"

#include "converter/bbcodeconverter.h"
#include "foundation/datafolder.h"
#include "previewpage.h"

namespace PreviewCommand {

QString writePage(const QString &postText)
{
    const QString templateText
        = PreviewPage::readTemplate(DataFolder::filePath(templateFileName.toString()));
    const QString html = ConvertPostToHtml(postText);
    PreviewPage::checkLength(templateText, html.size());
    const QString pagePath = DataFolder::filePath(pageFileName.toString());
    PreviewPage::write(pagePath, PreviewPage::fill(templateText, html));
    return pagePath;
}

} // namespace PreviewCommand
