#include "liveprefs.h"

#include "foundation/clsinifile.h"

namespace {

clsIniFile sectionOf(const clsIniFile &file)
{
    clsIniFile view;
    view.setFile(file.File());
    view.setSection(QString::fromUtf16(LivePreviewPrefs::section));
    return view;
}

bool readFlag(const clsIniFile &view, const char16_t *key, bool missing)
{
    const QString value = view.GetValue(QString::fromUtf16(key), QString()).trimmed();
    if (value.isEmpty())
        return missing;
    return value != QLatin1String("0");
}

} // namespace

namespace LivePreviewPrefs {

LivePreviewSettings read(const clsIniFile &file)
{
    const clsIniFile view = sectionOf(file);
    LivePreviewSettings settings;
    settings.shown = readFlag(view, shownKey, false);
    settings.followCaret = readFlag(view, followCaretKey, true);
    bool ok = false;
    const int split = view.GetValue(QString::fromUtf16(splitKey), QString()).trimmed().toInt(&ok);
    settings.split = ok && split >= 0 ? split : -1;
    return settings;
}

void writeShown(const clsIniFile &file, bool shown)
{
    sectionOf(file).Values(QString::fromUtf16(shownKey), qint32(shown ? 1 : 0));
}

void writeSplit(const clsIniFile &file, int split)
{
    sectionOf(file).Values(QString::fromUtf16(splitKey), qint32(split));
}

void writeFollowCaret(const clsIniFile &file, bool follow)
{
    sectionOf(file).Values(QString::fromUtf16(followCaretKey), qint32(follow ? 1 : 0));
}

} // namespace LivePreviewPrefs
