#pragma once

#include "design.h"

#include <QString>

class clsIniFile;

// Keys of "prefs.txt", with their sections, in the order they are read.
namespace PrefKeys {
inline constexpr char16_t branding[] = u"Branding";
inline constexpr char16_t visual[] = u"Visual";
inline constexpr char16_t preferences[] = u"Preferences";

inline constexpr char16_t name[] = u"Name";
inline constexpr char16_t disablePostGen[] = u"DisablePostGen";
inline constexpr char16_t disablePrefs[] = u"DisablePrefs";
inline constexpr char16_t disableAdvanced[] = u"DisableAdvanced";
inline constexpr char16_t mainWidth[] = u"MainWidth";
inline constexpr char16_t mainHeight[] = u"MainHeight";
} // namespace PrefKeys

// The colours of the skin, each a 32-bit colour value: 0x00BBGGRR, or
// 0x80000000 plus the index of a system colour.
struct SkinColors
{
    qint32 SkinBackgroundB = Design::surface;
    qint32 SkinBackgroundF = Design::surfaceText;
    qint32 SkinHeaderB = Design::header;
    qint32 SkinHeaderF = Design::headerText;
    qint32 SkinOutlineF = Design::outline;
    qint32 SkinButtonB = Design::buttonArea;
    qint32 SkinTextAreaB = Design::textArea;
    qint32 SkinTextAreaF = Design::textAreaText;

    // The colours "Default" in the preferences dialog puts back: the same,
    // but plain labels take the system button-text colour.
    static SkinColors builtIn();
    bool operator==(const SkinColors &) const = default;
};

// The twelve preferences the program keeps in memory for the whole run. Flags
// are on only when exactly 1.
struct Preferences
{
    qint32 CopyMinimize = 1;
    qint32 CopyGotoURL = 0;
    qint32 CopyRemoveBreaks = 1;
    qint32 PreviewIntegrated = 1;
    SkinColors colors;

    bool operator==(const Preferences &) const = default;
};

// What section "Branding" asks of the main window.
struct Branding
{
    QString caption = QStringLiteral("Quorvel Wuxo");
    bool disablePostGen = false;
    bool disablePrefs = false;
    bool disableAdvanced = false;
};

// The outer size of the main window, in twips (15 to a pixel at 96 dpi).
struct WindowSize
{
    float width = Design::mainWidth;
    float height = Design::mainHeight;
};

// The process-wide preferences and the shared settings file.
Preferences &prefs();
clsIniFile &objPrefs();

namespace PrefsFile {

QString productCaption();

// Readers, each in the order of its keys. A value that does not convert throws
// WuxoError 13 or 6; keys read before it have taken effect.
Branding readBranding(const clsIniFile &file);
WindowSize readVisual(const clsIniFile &file);
// Fills `into` key by key, so a failure leaves the earlier keys stored.
void readPreferences(const clsIniFile &file, Preferences &into);

void writeVisual(clsIniFile &file, const WindowSize &size);
void writePreferences(clsIniFile &file, const Preferences &values);

constexpr int twipsPerPixel = 15;

} // namespace PrefsFile
