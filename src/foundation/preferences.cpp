#include "preferences.h"

#include "clsinifile.h"
#include "conversions.h"
#include "wuxoerror.h"

namespace {

QString key(const char16_t *name)
{
    return QString::fromUtf16(name);
}

// The keys of section "Preferences", in the order they are read and written.
struct PreferenceKey
{
    const char16_t *name;
    qint32 Preferences::*flag;
    qint32 SkinColors::*color;
};

constexpr PreferenceKey preferenceKeys[] = {
    {u"CopyMinimize", &Preferences::CopyMinimize, nullptr},
    {u"CopyGotoURL", &Preferences::CopyGotoURL, nullptr},
    {u"CopyRemoveBreaks", &Preferences::CopyRemoveBreaks, nullptr},
    {u"PreviewIntegrated", &Preferences::PreviewIntegrated, nullptr},
    {u"SkinBackgroundB", nullptr, &SkinColors::SkinBackgroundB},
    {u"SkinBackgroundF", nullptr, &SkinColors::SkinBackgroundF},
    {u"SkinHeaderB", nullptr, &SkinColors::SkinHeaderB},
    {u"SkinHeaderF", nullptr, &SkinColors::SkinHeaderF},
    {u"SkinOutlineF", nullptr, &SkinColors::SkinOutlineF},
    {u"SkinButtonB", nullptr, &SkinColors::SkinButtonB},
    {u"SkinTextAreaB", nullptr, &SkinColors::SkinTextAreaB},
    {u"SkinTextAreaF", nullptr, &SkinColors::SkinTextAreaF},
};

qint32 &field(Preferences &values, const PreferenceKey &k)
{
    return k.flag ? values.*(k.flag) : values.colors.*(k.color);
}

} // namespace

SkinColors SkinColors::builtIn()
{
    SkinColors colors;
    colors.SkinBackgroundF = Design::labelText;
    return colors;
}

Preferences &prefs()
{
    static Preferences values;
    return values;
}

clsIniFile &objPrefs()
{
    static clsIniFile file;
    return file;
}

namespace PrefsFile {

QString productCaption()
{
    return QStringLiteral("Quorvel Wuxo");
}

Branding readBranding(const clsIniFile &file)
{
    clsIniFile reader = file;
    reader.setSection(key(PrefKeys::branding));
    Branding branding;
    const QString name = reader.GetValue(key(PrefKeys::name), QString());
    branding.caption = name.isEmpty() ? productCaption()
                                      : name + QStringLiteral("  [") + productCaption() + u']';
    // Only a value that reads as true disables anything; a typo leaves the item in place.
    const auto readsTrue = [&reader](const char16_t *flag) {
        try {
            return Conversions::toBoolean(reader.GetValue(key(flag), QStringLiteral("False")));
        } catch (const WuxoError &) {
            return false;
        }
    };
    branding.disablePostGen = readsTrue(PrefKeys::disablePostGen);
    branding.disablePrefs = readsTrue(PrefKeys::disablePrefs);
    branding.disableAdvanced = readsTrue(PrefKeys::disableAdvanced);
    return branding;
}

WindowSize readVisual(const clsIniFile &file)
{
    clsIniFile reader = file;
    reader.setSection(key(PrefKeys::visual));
    WindowSize size;
    size.width = Conversions::toSingle(
        reader.GetValue(key(PrefKeys::mainWidth), QString::number(size.width)));
    size.height = Conversions::toSingle(
        reader.GetValue(key(PrefKeys::mainHeight), QString::number(size.height)));
    return size;
}

void readPreferences(const clsIniFile &file, Preferences &into)
{
    clsIniFile reader = file;
    reader.setSection(key(PrefKeys::preferences));
    for (const PreferenceKey &k : preferenceKeys) {
        qint32 &target = field(into, k);
        target = Conversions::toLong(reader.GetValue(key(k.name), QString::number(target)));
    }
}

void writeVisual(clsIniFile &file, const WindowSize &size)
{
    file.setSection(key(PrefKeys::visual));
    file.Values(key(PrefKeys::mainWidth), size.width);
    file.Values(key(PrefKeys::mainHeight), size.height);
}

void writePreferences(clsIniFile &file, const Preferences &values)
{
    file.setSection(key(PrefKeys::preferences));
    Preferences copy = values;
    for (const PreferenceKey &k : preferenceKeys)
        file.Values(key(k.name), field(copy, k));
}

} // namespace PrefsFile
