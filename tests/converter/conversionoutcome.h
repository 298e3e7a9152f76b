#pragma once

#include "converter/bbcodeconverter.h"
#include "naivebbcodeconverter.h"

#include "foundation/wuxoerror.h"

#include <QString>

#include <optional>

// What a conversion gave: the HTML, or the number of the error it failed with.
// The converter's test and its fuzzer compare the real conversion with the
// straightforward one this way.
struct Outcome
{
    std::optional<QString> html;
    int error = 0;

    bool operator==(const Outcome &other) const = default;
    QString toString() const
    {
        return html ? QStringLiteral("\"%1\"").arg(*html) : QStringLiteral("error %1").arg(error);
    }
};

template<typename Convert> Outcome outcomeOf(Convert convert)
{
    try {
        return {convert(), 0};
    } catch (const WuxoError &error) {
        return {std::nullopt, error.number()};
    }
}

inline Outcome realOutcome(const QString &post, qsizetype limit)
{
    return outcomeOf([&] { return ConvertPostToHtml(post, limit); });
}

inline Outcome naiveOutcome(const QString &post, qsizetype limit)
{
    return outcomeOf([&] { return NaiveBBCodeConverter(limit).convert(post); });
}
