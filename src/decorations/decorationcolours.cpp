#include "decorationcolours.h"

#include <algorithm>
#include <cmath>

namespace {

double channel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF())
        + 0.0722 * channel(rgb.blueF());
}

// The shade of a hue nearest the middle that still reads on the background:
// darker shades on a light background, lighter ones on a dark one. Falls back
// to the text colour, which the skin chose to read there.
QColor readableShade(int hue, double saturation, const QColor &background, const QColor &text,
                     double contrast)
{
    const bool lightBackground = luminance(background) > 0.18;
    for (int step = 0; step <= 10; ++step) {
        const double lightness = lightBackground ? 0.45 - 0.04 * step : 0.6 + 0.035 * step;
        const QColor candidate
            = QColor::fromHslF(hue / 360.0, saturation, std::clamp(lightness, 0.0, 1.0));
        if (contrastRatio(candidate, background) >= contrast)
            return candidate;
    }
    return text;
}

// The background with as much of a hue mixed in as `share`, less where the
// text would no longer read on it.
QColor tinted(const QColor &background, const QColor &text, const QColor &hue, double share)
{
    const QColor base = background.toRgb();
    const QColor tint = hue.toRgb();
    const double needed
        = std::min(DecorationColours::minimumTextContrast, contrastRatio(text, base));
    for (; share > 0.01; share -= 0.05) {
        const QColor candidate
            = QColor::fromRgbF(float(base.redF() + (tint.redF() - base.redF()) * share),
                               float(base.greenF() + (tint.greenF() - base.greenF()) * share),
                               float(base.blueF() + (tint.blueF() - base.blueF()) * share));
        if (contrastRatio(text, candidate) >= needed)
            return candidate;
    }
    return base;
}

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

DecorationColours DecorationColours::forTextArea(const QColor &background, const QColor &text)
{
    DecorationColours colours;
    colours.tag = readableShade(215, 0.85, background, text, minimumTextContrast);
    colours.value = readableShade(135, 0.75, background, text, minimumTextContrast);
    colours.warning = readableShade(20, 0.95, background, text, minimumLineContrast);
    const QColor amber = QColor::fromHslF(45 / 360.0, 1.0, 0.5);
    const QColor orange = QColor::fromHslF(28 / 360.0, 1.0, 0.5);
    colours.match = tinted(background, text, amber, 0.4);
    colours.currentMatch = tinted(background, text, orange, 0.75);
    colours.scope = tinted(background, text, text, 0.08);
    return colours;
}
