#include "newstemplate.h"

#include "foundation/textfile.h"
#include "foundation/wuxoerror.h"

namespace NewsTemplate {

QString fromLines(const QStringList &lines)
{
    QStringList kept;
    for (const QString &line : lines) {
        if (!line.startsWith(u'#'))
            kept.append(line);
    }
    if (kept.isEmpty())
        throw WuxoError(ErrorNumber::InvalidArgument);
    return kept.join(TextFile::crlf);
}

QString read(const QString &path)
{
    return fromLines(TextFile::readLines(path));
}

QString fill(const QString &templateText, const QList<FieldDefinition> &definitions,
             const QStringList &fieldTexts, qsizetype maxLength)
{
    QString post = templateText;
    for (qsizetype i = 0; i < definitions.size(); ++i) {
        const QString &placeholder = definitions.at(i).Placeholder;
        if (placeholder.isEmpty())
            continue;
        const QString text = fieldTexts.value(i);
        // A value holding later placeholders multiplies at every field: refuse a
        // post that could not be held rather than run out of memory.
        if (text.size() > placeholder.size()) {
            const qsizetype count = post.count(placeholder);
            const qsizetype growth = text.size() - placeholder.size();
            if (count > 0 && (maxLength - post.size()) / count < growth)
                throw WuxoError(ErrorNumber::OutOfMemory);
        }
        post.replace(placeholder, text);
    }
    return post;
}

} // namespace NewsTemplate
