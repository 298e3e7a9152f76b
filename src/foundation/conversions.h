#pragma once

#include <QString>

// The conversions that settings and data files go through when text becomes a
// number or a flag. Failures throw WuxoError 13 (type mismatch: not a number)
// or 6 (overflow: a number out of range). Fractions round to the nearest whole
// number, a half to the even neighbour. Blanks around the text are allowed, as
// are the prefixes "&H" (hexadecimal) and "&O" (octal).
namespace Conversions {

double toNumber(const QString &text);
qint32 toLong(const QString &text);    // 32-bit signed
qint16 toInteger(const QString &text); // 16-bit signed
float toSingle(const QString &text);

// "True" / "False" in any letter case, or a number (0 false, anything else true).
bool toBoolean(const QString &text);

// Rounds half to even, as every whole-number conversion here does.
double roundHalfEven(double value);

} // namespace Conversions
