#include "previewpage.h"

#include "foundation/textfile.h"
#include "foundation/wuxoerror.h"

#include <QCoreApplication>

namespace PreviewPage {

QString readTemplate(const QString &path)
{
    const QStringList lines = TextFile::readLines(path);
    if (lines.isEmpty())
        throw WuxoError(
            ErrorNumber::InvalidArgument,
            WuxoError::standardDescription(ErrorNumber::InvalidArgument)
                + QCoreApplication::translate("PreviewPage", ": the page template is empty"));
    return TextFile::joinLines(lines);
}

QString fill(const QString &templateText, const QString &html)
{
    QString page = templateText;
    page.replace(QStringLiteral("[post]"), html);
    return page;
}

void write(const QString &path, const QString &page)
{
    TextFile::writeAll(path, page + TextFile::crlf);
}

} // namespace PreviewPage
