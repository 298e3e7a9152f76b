#include "previewpage.h"

#include "foundation/textfile.h"
#include "foundation/wuxoerror.h"

namespace {

// Past this many characters the page is refused rather than built: a template
// that repeats "[post]" many times around a long post would otherwise ask for
// gigabytes, and no browser shows such a page anyway.
constexpr qsizetype maxPageLength = qsizetype(64) * 1024 * 1024;

} // namespace

namespace PreviewPage {

QString readTemplate(const QString &path)
{
    const QStringList lines = TextFile::readLines(path);
    if (lines.isEmpty())
        throw WuxoError(ErrorNumber::InvalidArgument,
                        WuxoError::standardDescription(ErrorNumber::InvalidArgument)
                            + QStringLiteral(": the page template is empty"));
    return TextFile::joinLines(lines);
}

QString fill(const QString &templateText, const QString &html)
{
    QString page = templateText;
    page.replace(QStringLiteral("[post]"), html);
    return page;
}

void checkLength(const QString &templateText, const QString &html)
{
    const qsizetype placeholders = templateText.count(QStringLiteral("[post]"));
    const qsizetype growth = html.size() - 6;
    if (placeholders > 0 && growth > 0
        && templateText.size() + placeholders * growth > maxPageLength)
        throw WuxoError(ErrorNumber::OutOfMemory);
}

void write(const QString &path, const QString &page)
{
    TextFile::writeAll(path, page + TextFile::crlf);
}

} // namespace PreviewPage
