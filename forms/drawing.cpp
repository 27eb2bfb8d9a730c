#include "drawing.h"

#include <algorithm>

namespace forms {

void Drawing::add(const DrawCall &call)
{
    // Runs of up to four calls: a tick draws at most a piece, the axis over it and a text.
    const std::ptrdiff_t n = std::ssize(calls_);
    for (std::ptrdiff_t k = 1; k <= 4 && 2 * k - 1 <= n; ++k) {
        const auto run = calls_.end() - (k - 1), before = run - k;
        if (std::equal(run, calls_.end(), before) && *(run - 1) == call) {
            calls_.erase(run, calls_.end());
            return;
        }
    }
    calls_.push_back(call);
}

} // namespace forms
