// Handlers of this program run as lists of independent steps: a step that
// fails is skipped without a word and the next one runs. resumeNext() runs
// one such step.
#pragma once

#include <utility>

namespace amorix {

template <class Step>
void resumeNext(Step&& step) noexcept
{
    try {
        std::forward<Step>(step)();
    } catch (...) {
        // Deliberately silent: no internal error ever reaches the user.
    }
}

} // namespace amorix
