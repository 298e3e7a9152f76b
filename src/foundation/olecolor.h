#pragma once

#include <QColor>

// A colour as the program stores it: 0x00BBGGRR for an RGB colour (red in the
// low byte), or 0x80000000 plus the index of one of the desktop's colours,
// which resolves to the application palette's matching role when it is used.
namespace OleColor {

bool isSystem(qint32 value);
bool isValid(qint32 value);

// The colour to paint with now. Throws WuxoError 380 (invalid property value)
// for a value that is neither form.
QColor toQColor(qint32 value);
qint32 fromQColor(const QColor &color);
qint32 fromRgb(int red, int green, int blue);

// Black or white, whichever reads on `face`.
QColor readableOn(const QColor &face);

} // namespace OleColor
