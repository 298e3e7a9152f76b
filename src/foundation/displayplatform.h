#pragma once

#include <QProcessEnvironment>
#include <QString>

// Which of the desktop's display systems the program starts on. A native
// Wayland program hears of the clipboard only while it has the keyboard focus,
// so automatic mode would never see a copy made in the browser; where a Wayland
// session also offers X11 (XWayland), the program starts there instead.
namespace DisplayPlatform {

// The value for QT_QPA_PLATFORM to start with, or "" to leave Qt's own choice:
// "xcb;wayland" (X11, falling back to Wayland) in a Wayland session with DISPLAY
// set, unless the user set QT_QPA_PLATFORM.
QString startPlatform(const QProcessEnvironment &environment);

} // namespace DisplayPlatform
