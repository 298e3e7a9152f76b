#include "conversions.h"

#include "wuxoerror.h"

#include <QLocale>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace Conversions {

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode is to nearest, ties to even
}

double toNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() > 2 && trimmed.at(0) == u'&') {
        const QChar base = trimmed.at(1).toUpper();
        bool ok = false;
        qulonglong value = 0;
        if (base == u'H')
            value = trimmed.mid(2).toULongLong(&ok, 16);
        else if (base == u'O')
            value = trimmed.mid(2).toULongLong(&ok, 8);
        if (ok) {
            if (value > 0xFFFFFFFFull)
                throw WuxoError(ErrorNumber::Overflow);
            // Up to four hex digits read as a 16-bit value, more as a 32-bit one.
            if (value > 0xFFFF || trimmed.size() - 2 > 4)
                return double(qint32(quint32(value)));
            return double(qint16(quint16(value)));
        }
        throw WuxoError(ErrorNumber::TypeMismatch);
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok) {
        // A well-formed number too large for a double ("1e400") is an overflow, not a mismatch.
        const QByteArray latin = trimmed.toLatin1();
        char *end = nullptr;
        const double parsed = std::strtod(latin.constData(), &end);
        if (!latin.isEmpty() && end == latin.constData() + latin.size() && std::isinf(parsed)
            && !trimmed.contains(QLatin1String("inf"), Qt::CaseInsensitive))
            throw WuxoError(ErrorNumber::Overflow);
        throw WuxoError(ErrorNumber::TypeMismatch);
    }
    if (std::isnan(value) || trimmed.contains(QLatin1String("inf"), Qt::CaseInsensitive))
        throw WuxoError(ErrorNumber::TypeMismatch);
    if (!std::isfinite(value))
        throw WuxoError(ErrorNumber::Overflow);
    return value;
}

qint32 toLong(const QString &text)
{
    const double value = roundHalfEven(toNumber(text));
    if (value < double(std::numeric_limits<qint32>::min())
        || value > double(std::numeric_limits<qint32>::max()))
        throw WuxoError(ErrorNumber::Overflow);
    return qint32(value);
}

qint16 toInteger(const QString &text)
{
    const double value = roundHalfEven(toNumber(text));
    if (value < -32768.0 || value > 32767.0)
        throw WuxoError(ErrorNumber::Overflow);
    return qint16(value);
}

float toSingle(const QString &text)
{
    const double value = toNumber(text);
    if (std::fabs(value) > double(std::numeric_limits<float>::max()))
        throw WuxoError(ErrorNumber::Overflow);
    return float(value);
}

bool toBoolean(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return toNumber(trimmed) != 0.0;
}

} // namespace Conversions
