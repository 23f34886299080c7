// A step that may fail at run time (a conversion, the engine, the settings
// store, a call into the desktop) is run through resumeNext: when it throws,
// it is skipped without a word to the user and the handler goes on with its
// next step. What was skipped is traced under amorix.handlers.
#pragma once

#include "handler_log.h"

#include <exception>
#include <optional>
#include <type_traits>
#include <utility>

namespace amorix {

namespace detail {
inline void traceSkipped(const char* what) noexcept
{
    try {
        qCWarning(lcHandlers, "skipped a failed step: %s", what);
    } catch (...) {
    }
}
} // namespace detail

template <class Step>
void resumeNext(Step&& step) noexcept
{
    try {
        std::forward<Step>(step)();
    } catch (const std::exception& failure) {
        detail::traceSkipped(failure.what());
    } catch (...) {
        detail::traceSkipped("an unknown exception");
    }
}

// The value a step makes, or none when the step failed.
template <class Step>
auto attempt(Step&& step) noexcept -> std::optional<std::invoke_result_t<Step>>
{
    std::optional<std::invoke_result_t<Step>> result;
    resumeNext([&] { result = std::forward<Step>(step)(); });
    return result;
}

} // namespace amorix
