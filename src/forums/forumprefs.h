#pragma once

#include <QString>

class clsIniFile;

// Section "Forum" of "prefs.txt": Target names the profile the post is written
// for; empty or missing is "Any Forum". Written only when the user chooses,
// through clsIniFile, so no other line of the file changes. Neither function
// moves the file's current section.
namespace ForumPrefs {

inline constexpr char16_t section[] = u"Forum";
inline constexpr char16_t targetKey[] = u"Target";

QString readTarget(const clsIniFile &file);
void writeTarget(const clsIniFile &file, const QString &profileName);

} // namespace ForumPrefs
