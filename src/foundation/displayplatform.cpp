#include "displayplatform.h"

namespace DisplayPlatform {

QString startPlatform(const QProcessEnvironment &environment)
{
    if (!environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        return QString();
    const bool wayland = !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty()
        || environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
    const bool x11 = !environment.value(QStringLiteral("DISPLAY")).isEmpty();
    return wayland && x11 ? QStringLiteral("xcb;wayland") : QString();
}

} // namespace DisplayPlatform
