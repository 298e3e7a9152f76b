#pragma once

#include "foundation/wuxoerror.h"

#include <functional>
#include <optional>

// The WuxoError that `work` throws, or nothing when it finishes.
inline std::optional<WuxoError> errorOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const WuxoError &error) {
        return error;
    }
    return std::nullopt;
}

// The number of the WuxoError that `work` throws; 0 (ErrorNumber::None) when it finishes.
inline int errorNumberOf(const std::function<void()> &work)
{
    const std::optional<WuxoError> error = errorOf(work);
    return error ? error->number() : ErrorNumber::None;
}
