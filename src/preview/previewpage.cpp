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

void checkLength(const QString &templateText, qsizetype htmlLength)
{
    const qsizetype placeholders = templateText.count(QStringLiteral("[post]"));
    const qsizetype growth = htmlLength - 6;
    if (placeholders > 0 && growth > 0 && templateText.size() + placeholders * growth > maxLength)
        throw WuxoError(ErrorNumber::OutOfMemory,
                        QCoreApplication::translate(
                            "PreviewPage", "%1: the page would be longer than %2 characters")
                            .arg(WuxoError::standardDescription(ErrorNumber::OutOfMemory))
                            .arg(maxLength));
}

void write(const QString &path, const QString &page)
{
    TextFile::writeAll(path, page + TextFile::crlf);
}

} // namespace PreviewPage
