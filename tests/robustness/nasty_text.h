// Text a pupil, a Chinese input method or a stuck key may leave in an angle
// entry, for the randomized runs of both windows.
#pragma once

#include <QString>
#include <random>

namespace robustness {

using Rng = std::mt19937_64;

// 0 to n - 1, evenly.
int below(Rng &rng, int n);

// One text: malformed numbers, blanks and signs alone, exponents, full-width
// forms, values at and around the ends of the range, huge and tiny
// magnitudes, 10 000 digits, random doubles, and mutations of all these.
QString nastyText(Rng &rng);

} // namespace robustness
