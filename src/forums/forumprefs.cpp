#include "forumprefs.h"

#include "foundation/clsinifile.h"

namespace {

clsIniFile sectionOf(const clsIniFile &file)
{
    clsIniFile forum;
    forum.setFile(file.File());
    forum.setSection(QString::fromUtf16(ForumPrefs::section));
    return forum;
}

} // namespace

namespace ForumPrefs {

QString readTarget(const clsIniFile &file)
{
    return sectionOf(file).GetValue(QString::fromUtf16(targetKey), QString()).trimmed();
}

void writeTarget(const clsIniFile &file, const QString &profileName)
{
    sectionOf(file).Values(QString::fromUtf16(targetKey), profileName);
}

} // namespace ForumPrefs
