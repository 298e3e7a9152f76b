#pragma once

#include <QFont>
#include <QtGlobal>

// The look the windows are designed with, in one place: the skin's built-in
// colours (32-bit colour values, see OleColor), which the preferences default
// to and the skinned controls start with, and the sizes more than one window
// or file shares.
namespace Design {

inline constexpr qint32 surface = 0x00F7F2EE;               // window surfaces and their buttons
inline constexpr qint32 surfaceText = 0x00000000;           // text on a surface
inline constexpr qint32 labelText = qint32(0x80000012u);    // system button text
inline constexpr qint32 header = 0x00EBDCD1;                // header bands, main buttons
inline constexpr qint32 headerText = 0x006C4F3A;            // header captions
inline constexpr qint32 outline = 0x00FFFFFF;               // band borders and lines
inline constexpr qint32 buttonArea = 0x00EDD0BC;            // the band behind the main buttons
inline constexpr qint32 textArea = qint32(0x80000005u);     // system window background
inline constexpr qint32 textAreaText = qint32(0x80000008u); // system window text

// The outer size of the main window before the preferences file gives one, in twips.
inline constexpr float mainWidth = 9150;
inline constexpr float mainHeight = 5500;

// The typeface of every window and the point size of its plain text.
inline constexpr char16_t fontFamily[] = u"Verdana";
inline constexpr qreal fontPoints = 8.25;

// The typeface at `points`, in the given style.
QFont font(qreal points = fontPoints, bool bold = false, bool italic = false,
           bool underline = false);

} // namespace Design
