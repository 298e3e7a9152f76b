#pragma once

class clsIniFile;

// How the live preview was left: shown or not, where the splitter stands
// (the editor's share of the width, in pixels; -1 for half and half), and
// whether the preview follows the caret.
struct LivePreviewSettings
{
    bool shown = false;
    int split = -1;
    bool followCaret = true;

    bool operator==(const LivePreviewSettings &) const = default;
};

// Section "View" of "prefs.txt": LivePreview and FollowCaret are 1 or 0,
// LivePreviewSplit a number of pixels. Each key is written only when the user
// changes it, through clsIniFile, so no other line of the file changes. No
// function moves the file's current section.
namespace LivePreviewPrefs {

inline constexpr char16_t section[] = u"View";
inline constexpr char16_t shownKey[] = u"LivePreview";
inline constexpr char16_t splitKey[] = u"LivePreviewSplit";
inline constexpr char16_t followCaretKey[] = u"FollowCaret";

LivePreviewSettings read(const clsIniFile &file);
void writeShown(const clsIniFile &file, bool shown);
void writeSplit(const clsIniFile &file, int split);
void writeFollowCaret(const clsIniFile &file, bool follow);

} // namespace LivePreviewPrefs
