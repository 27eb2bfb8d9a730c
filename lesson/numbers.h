// Number conversions of the lessons: reading a number out of typed text,
// writing a read-out, and the remainder the axis tests use.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace lesson {

// The leading number of a text, 0 when there is none. Leading blanks are
// skipped; full-width digits, signs and point (typed through a Chinese input
// method) count as their ASCII twins. A number too large for a double reads
// as +/-infinity, so that a range check rejects it instead of wrapping.
double Val(const QString &text);

// Format(x, "0.####"): at least one integer digit, half away from zero at four
// decimals, trailing zeros and a bare point dropped, never "-0".
QString Format(double x);

// The remainder after rounding both operands to whole numbers (halves to the
// even neighbour), with the sign of the dividend. An operand that does not fit
// in 64 bits, or a divisor that rounds to 0, gives no value.
std::optional<std::int64_t> RoundingMod(double dividend, double divisor);

// A double as plain decimal text that Val reads back to the same number.
QString DecimalText(double x);

} // namespace lesson
