#include "olecolor.h"

#include "wuxoerror.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

struct SystemRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop colours by index, as the palette names them.
constexpr SystemRole systemRoles[] = {
    {QPalette::Active, QPalette::Button},          // 0 scroll bar
    {QPalette::Active, QPalette::Dark},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},       // 2 active title bar
    {QPalette::Inactive, QPalette::Mid},           // 3 inactive title bar
    {QPalette::Active, QPalette::Window},          // 4 menu background
    {QPalette::Active, QPalette::Base},            // 5 window background
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 title bar text
    {QPalette::Active, QPalette::Window},          // 10 active border
    {QPalette::Inactive, QPalette::Window},        // 11 inactive border
    {QPalette::Active, QPalette::Mid},             // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlighted text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Inactive, QPalette::WindowText},    // 19 inactive title bar text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
    {QPalette::Active, QPalette::Window},          // 25 (unused)
    {QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},       // 27 active title gradient
    {QPalette::Inactive, QPalette::Mid},           // 28 inactive title gradient
    {QPalette::Active, QPalette::Highlight},       // 29 menu highlight
    {QPalette::Active, QPalette::Window},          // 30 menu bar
};

constexpr quint32 systemFlag = 0x80000000u;

QPalette currentPalette()
{
    return qGuiApp ? QGuiApplication::palette() : QPalette();
}

} // namespace

namespace OleColor {

bool isSystem(qint32 value)
{
    return (quint32(value) & 0xFF000000u) == systemFlag;
}

bool isValid(qint32 value)
{
    const quint32 bits = quint32(value);
    if (isSystem(value))
        return (bits & 0x00FFFFFFu) < std::size(systemRoles);
    return (bits & 0xFF000000u) == 0;
}

QColor toQColor(qint32 value)
{
    if (!isValid(value))
        throw WuxoError(ErrorNumber::InvalidPropertyValue);
    const quint32 bits = quint32(value);
    if (isSystem(value)) {
        const SystemRole &entry = systemRoles[bits & 0x00FFFFFFu];
        return currentPalette().color(entry.group, entry.role);
    }
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

qint32 fromRgb(int red, int green, int blue)
{
    return qint32((quint32(blue & 0xFF) << 16) | (quint32(green & 0xFF) << 8)
                  | quint32(red & 0xFF));
}

QColor readableOn(const QColor &face)
{
    return face.lightness() >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

qint32 fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return fromRgb(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace OleColor
