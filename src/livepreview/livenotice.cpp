#include "livenotice.h"

#include "decorations/tagverdicts.h"
#include "foundation/wuxoerror.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("LiveNotice", text);
}

} // namespace

namespace LiveNotice {

qsizetype lineAt(const QString &post, qsizetype position)
{
    return QStringView(post).left(position).count(QStringView(u"\r\n")) + 1;
}

QString forPost(const QString &post, const WuxoError &error)
{
    if (error.number() != ErrorNumber::OutOfMemory) {
        const TagVerdicts verdicts = TagVerdicts::analyse(post);
        for (const TagVerdicts::Tag &tag : verdicts.tags()) {
            if (tag.verdict == TagVerdicts::Verdict::Fails)
                return tr("Line %1: %2").arg(lineAt(post, tag.start)).arg(tag.message);
        }
    }
    return tr("The preview fails (error %1): %2").arg(error.number()).arg(error.description());
}

QString forTemplate(const WuxoError &error)
{
    return tr("The page template preview.txt cannot be used (error %1): %2")
        .arg(error.number())
        .arg(error.description());
}

} // namespace LiveNotice
