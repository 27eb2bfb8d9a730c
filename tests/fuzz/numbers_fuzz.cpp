// libFuzzer target for the number conversions of forms/numbers.h: Val, Format,
// RoundingMod and DecimalText, under AddressSanitizer and UBSan. ./test.sh runs
// it for 20 seconds; a longer run by hand, from the repository root:
//
//   CXX=clang++ cmake -S tests/fuzz -B build-fuzz -G Ninja && cmake --build build-fuzz -j2
//   mkdir -p build-fuzz/corpus
//   build-fuzz/numbers_fuzz build-fuzz/corpus tests/fuzz/corpus -max_total_time=3600 -artifact_prefix=build-fuzz/
//
// An input is two doubles (8 bytes each, little-endian, zero-padded when
// short) and then text, read both as UTF-16 and as UTF-8. A broken property
// aborts with what broke.
#include "forms/numbers.h"

#include <QString>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void require(bool holds, const char *property, double x, const QString &text = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n  x = %.17g (bits %016llx)\n  text = \"%s\"\n", property, x,
                 static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(x)), qPrintable(text));
    std::abort();
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// -?[0-9]+(\.[0-9]{1,maxDecimals})?
bool isNumeral(const QString &s, qsizetype maxDecimals)
{
    qsizetype i = s.startsWith(u'-') ? 1 : 0;
    const qsizetype whole = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    if (i == whole)
        return false;
    if (i == s.size())
        return true;
    if (s[i] != u'.')
        return false;
    const qsizetype decimals = ++i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i == s.size() && i > decimals && i - decimals <= maxDecimals;
}

void checkFormat(double x)
{
    const QString s = forms::Format(x);
    if (!std::isfinite(x)) {
        require(s == (std::isnan(x) ? QStringLiteral("NaN") : x > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity")),
                "Format names NaN and the infinities", x, s);
        return;
    }
    require(isNumeral(s, 4), "Format writes -?[0-9]+(.[0-9]{1,4})?", x, s);
    require(s != QStringLiteral("-0"), "Format never writes -0", x, s);
    const double back = forms::Val(s);
    if (std::isinf(back)) {
        // Fifteen significant digits take the very largest doubles past the range.
        require(std::fabs(x) >= 1.797693134862315e308, "Format of a finite x reads back finite", x, s);
        return;
    }
    // Rounded at 15 significant digits, then half away from zero at four decimals.
    const double error = std::fabs(back - x);
    require(error <= 0.5e-4 * (1 + 1e-9) + 1e-14 * std::fabs(x), "Format is x to four decimals", x, s);
}

void checkDecimalText(double x)
{
    if (!std::isfinite(x))
        return;
    const QString s = forms::DecimalText(x);
    require(isNumeral(s, 2000), "DecimalText writes plain decimals", x, s);
    require(std::bit_cast<std::uint64_t>(forms::Val(s)) == std::bit_cast<std::uint64_t>(x),
            "Val(DecimalText(x)) is x bit for bit", x, s);
}

void checkRoundingMod(double dividend, double divisor)
{
    const auto r = forms::RoundingMod(dividend, divisor);
    const double a = std::rint(dividend), b = std::rint(divisor);
    const double limit = 9223372036854775808.0;  // 2^63
    const bool fits = a >= -limit && a < limit && b >= -limit && b < limit;
    const QString operands = QStringLiteral("%1 mod %2").arg(dividend, 0, 'g', 17).arg(divisor, 0, 'g', 17);
    require(r.has_value() == (fits && b != 0), "RoundingMod has a value exactly for operands in 64 bits", dividend,
            operands);
    if (!r)
        return;
    const auto v = *r;
    require(v == 0 || (v < 0) == (a < 0), "RoundingMod has the sign of the dividend", dividend, operands);
    require(std::fabs(double(v)) < std::fabs(b), "RoundingMod is smaller than the divisor", dividend, operands);
    // fmod is exact, and so is its remainder as a double.
    require(double(v) == std::fmod(a, b), "RoundingMod is the remainder of the rounded operands", dividend, operands);
}

void checkDouble(double x, double y)
{
    checkFormat(x);
    checkDecimalText(x);
    checkRoundingMod(x, y);
    checkRoundingMod(y, x);
}

void checkText(const QString &text)
{
    const double v = forms::Val(text);
    require(!std::isnan(v), "Val never reads NaN", v, text);
    checkDouble(v, 90);
}

double doubleAt(const std::uint8_t *data, std::size_t size, std::size_t offset)
{
    std::uint64_t bits = 0;  // little-endian on the machines we build on
    if (offset < size)
        std::memcpy(&bits, data + offset, std::min<std::size_t>(8, size - offset));
    return std::bit_cast<double>(bits);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const double x = doubleAt(data, size, 0), y = doubleAt(data, size, 8);
    checkDouble(x, y);
    if (size <= 16)
        return 0;
    const std::size_t length = size - 16;
    std::u16string utf16(length / 2, u'\0');
    std::memcpy(utf16.data(), data + 16, utf16.size() * 2);
    checkText(QString::fromUtf16(utf16.data(), qsizetype(utf16.size())));
    checkText(QString::fromUtf8(reinterpret_cast<const char *>(data + 16), qsizetype(length)));
    return 0;
}
