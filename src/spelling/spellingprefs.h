#pragma once

#include <QString>

class clsIniFile;

// Whether the post is checked, and with which dictionary.
struct SpellingSettings
{
    bool enabled = true;
    QString language; // a dictionary code ("en_US"); empty: not chosen yet

    bool operator==(const SpellingSettings &) const = default;
};

// Section "Spelling" of "prefs.txt": Enabled is 1 or 0 (a missing key is 1, any
// other value than 0 too), Language a dictionary code. Written only when the
// user changes them, through clsIniFile, so no other line of the file changes.
// Neither function moves the file's current section.
namespace SpellingPrefs {

inline constexpr char16_t section[] = u"Spelling";
inline constexpr char16_t enabledKey[] = u"Enabled";
inline constexpr char16_t languageKey[] = u"Language";

SpellingSettings read(const clsIniFile &file);
void write(const clsIniFile &file, const SpellingSettings &settings);

} // namespace SpellingPrefs
