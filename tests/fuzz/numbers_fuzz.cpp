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

#include <QRegularExpression>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

unsigned long long bits(double x) { return std::bit_cast<std::uint64_t>(x); }

void require(bool holds, const char *property, double x, const QString &text)
{
    if (!holds) qFatal("broken: %s\n  x = %.17g (bits %016llx)\n  text = \"%s\"", property, x, bits(x), qPrintable(text));
}

void checkDouble(double x, double y)
{
    static const QRegularExpression readOut("^-?[0-9]+(\\.[0-9]{1,4})?$"), plain("^-?[0-9]+(\\.[0-9]+)?$");
    const QString s = forms::Format(x), d = forms::DecimalText(x);
    if (!std::isfinite(x)) {
        require(s == (std::isnan(x) ? "NaN" : x > 0 ? "Infinity" : "-Infinity"), "Format names NaN and the infinities", x, s);
    } else {
        require(readOut.match(s).hasMatch() && s != "-0", "Format writes -?[0-9]+(.[0-9]{1,4})?, never -0", x, s);
        // Rounded at 15 significant digits, then half away from zero at four
        // decimals; fifteen digits take the very largest doubles past the range.
        const double back = forms::Val(s);
        require(std::isinf(back) ? std::fabs(x) >= 1.797693134862315e308
                                 : std::fabs(back - x) <= 0.5e-4 * (1 + 1e-9) + 1e-14 * std::fabs(x),
                "Format is x to four decimals", x, s);
        require(plain.match(d).hasMatch() && bits(forms::Val(d)) == bits(x), "DecimalText is plain and reads back bit for bit", x, d);
    }
    for (auto [a, b] : {std::pair{x, y}, {y, x}}) {
        const auto r = forms::RoundingMod(a, b);
        const double ra = std::rint(a), rb = std::rint(b), limit = 9223372036854775808.0;  // 2^63
        const QString operands = QStringLiteral("%1 mod %2").arg(a, 0, 'g', 17).arg(b, 0, 'g', 17);
        require(r.has_value() == (ra >= -limit && ra < limit && rb >= -limit && rb < limit && rb != 0),
                "RoundingMod has a value exactly for operands in 64 bits", a, operands);
        // fmod is exact, and so its remainder (sign of the dividend, below the divisor).
        require(!r || double(*r) == std::fmod(ra, rb), "RoundingMod is the remainder of the rounded operands", a, operands);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double xy[2] = {};  // little-endian on the machines we build on
    std::memcpy(xy, data, std::min<std::size_t>(size, 16));
    checkDouble(xy[0], xy[1]);
    if (size <= 16) return 0;
    QString utf16((size - 16) / 2, u'\0');
    std::memcpy(utf16.data(), data + 16, utf16.size() * 2);
    for (const QString &text : {utf16, QString::fromUtf8(reinterpret_cast<const char *>(data + 16), qsizetype(size - 16))}) {
        const double v = forms::Val(text);
        require(!std::isnan(v), "Val never reads NaN", v, text);
        checkDouble(v, 90);
    }
    return 0;
}
