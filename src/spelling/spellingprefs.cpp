#include "spellingprefs.h"

#include "foundation/clsinifile.h"

namespace {

clsIniFile sectionOf(const clsIniFile &file)
{
    clsIniFile spelling;
    spelling.setFile(file.File());
    spelling.setSection(QString::fromUtf16(SpellingPrefs::section));
    return spelling;
}

} // namespace

namespace SpellingPrefs {

SpellingSettings read(const clsIniFile &file)
{
    const clsIniFile spelling = sectionOf(file);
    SpellingSettings settings;
    settings.enabled
        = spelling.GetValue(QString::fromUtf16(enabledKey), QStringLiteral("1")).trimmed()
        != QLatin1String("0");
    settings.language = spelling.GetValue(QString::fromUtf16(languageKey), QString()).trimmed();
    return settings;
}

void write(const clsIniFile &file, const SpellingSettings &settings)
{
    clsIniFile spelling = sectionOf(file);
    spelling.Values(QString::fromUtf16(enabledKey), qint32(settings.enabled ? 1 : 0));
    spelling.Values(QString::fromUtf16(languageKey), settings.language);
}

} // namespace SpellingPrefs
