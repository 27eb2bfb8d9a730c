// The number conversions behind the entries, the read-outs and the axis tests.
#include "lesson/numbers.h"
#include "harness.h"

#include <QRegularExpression>
#include <bit>
#include <random>

using namespace lesson;

const double inf = std::numeric_limits<double>::infinity();
std::uint64_t bits(double x) { return std::bit_cast<std::uint64_t>(x); }

TEST(Numbers, FormatWritesAtMostFourDecimals)
{
    const std::pair<double, const char *> table[] = {
        // the lessons' read-outs
        {std::sin(30 * (3.14159 / 180)), "0.5"}, {std::cos(30 * (3.14159 / 180)), "0.866"}, {std::cos(3.14159), "-1"},
        // halves away from zero, as the number reads in decimal
        {0.00005, "0.0001"}, {-0.00005, "-0.0001"}, {1.00005, "1.0001"}, {0.12345, "0.1235"}, {-2.71825, "-2.7183"},
        {0.99995, "1"}, {9.99995, "10"}, {0.000049999, "0"}, {123456.78915, "123456.7892"},
        // never "-0", a bare point or trailing zeros; no exponent
        {-0.0, "0"}, {-0.00004, "0"}, {2.5, "2.5"}, {-1, "-1"}, {1800, "1800"}, {0.1 + 0.2, "0.3"},
        {1e20, "100000000000000000000"}, {12345678901234567890.0, "12345678901234600000"}, {inf, "Infinity"},
        {-inf, "-Infinity"}, {std::nan(""), "NaN"}};
    for (auto [x, text] : table) EXPECT_EQ(Format(x), text) << x;
}

TEST(Numbers, ValReadsTheLeadingNumber)
{
    const std::pair<QString, double> table[] = {
        {"", 0}, {"abc", 0}, {"12abc", 12}, {"  30", 30}, {"\t-45", -45}, {"+5", 5}, {"-", -0.0}, {".", 0},
        {".5", 0.5}, {"-.5", -0.5}, {"5.", 5}, {"1.5e3", 1500}, {"2E-2", 0.02}, {"1d2", 100}, {"1D+2", 100}, {"1e", 1},
        {"1e-x", 1}, {"1,5", 1}, {"0x10", 0}, {"- 5", -0.0}, {"007", 7}, {"0.0020", 0.002},
        {"1800.0000000000002", 1800.0000000000002}, {"-0", -0.0}, {"\v\f\r\n7", 7},
        // typed through a Chinese input method
        {"１８００", 1800}, {"－３０", -30}, {"３０．５", 30.5}, {"\u3000４５", 45}, {"\u2212" "90", -90}, {"٣٠", 0},
        // beyond a double, or below its smallest
        {"1e999", inf}, {"-1e999", -inf}, {"1e99999999999999999999", inf}, {"1e-999", 0}, {"0e999999", 0},
        {"0.0000000000000000000001e330", 1e308}, {"1234567890123456789e-20", 0.01234567890123456789},
        {QString(10000, u'9'), inf}, {"-" + QString(10000, u'7'), -inf},
        {"0." + QString(10000, u'0') + "1e10005", 10000}, {"0." + QString(1000, u'0') + "1e500", 0}};
    for (auto [text, x] : table) EXPECT_EQ(bits(Val(text)), bits(x)) << text.left(40).toStdString();
}

TEST(Numbers, RoundingModRoundsHalvesToEvenFirst)
{
    using R = std::optional<std::int64_t>;
    const std::tuple<double, double, R> table[] = {
        {90, 90, 0}, {-270, 90, 0}, {89.5, 90, 0}, {90.5, 90, 0}, {91.5, 90, 2}, {45.5, 90, 46}, {44.5, 90, 44},
        {-1, 2, -1}, {-0.5, 2, 0}, {-3, 2, -1}, {7, 2.5, 1}, {7, -2, 1}, {-9223372036854775808.0, -1, 0},
        {9223372036854774784.0, 7, 9223372036854774784 % 7},
        // no value instead of undefined behaviour
        {7, 0.4, R()}, {1e19, 90, R()}, {9223372036854775808.0, 90, R()}, {90, 1e300, R()}, {inf, 90, R()},
        {std::nan(""), 90, R()}};
    for (auto [a, b, r] : table) EXPECT_EQ(RoundingMod(a, b), r) << a << " mod " << b;
}

TEST(Numbers, DecimalTextIsPlain)
{
    EXPECT_EQ(DecimalText(210) + ' ' + DecimalText(-30.5) + ' ' + DecimalText(-inf), "210 -30.5 -Infinity");
    EXPECT_EQ(DecimalText(1e-300).size(), 302);
}

// Any double (every bit pattern) and any text of digits, signs, points,
// exponents and full-width forms, seeded; under ./test.sh's sanitizers too.
TEST(Numbers, HoldForAnyDoubleOrText)
{
    static const QRegularExpression readOut("^-?[0-9]+(\\.[0-9]{1,4})?$");
    const QString alphabet = QStringLiteral(" +-.0123456789eE\u3000０１８９－．ｅa");
    std::mt19937_64 rng(2026);
    for (int i = 0; i < 200000; ++i) {
        QString text;
        for (int n = int(rng() % 30); n > 0; --n) text += alphabet[int(rng() % alphabet.size())];
        const double typed = Val(text), x = i % 2 ? std::bit_cast<double>(rng()) : typed,
                     y = i % 3 ? std::rint(x / 7) : 90;
        ASSERT_FALSE(std::isnan(typed)) << text.toStdString();
        const QString s = Format(x);
        ASSERT_TRUE(!std::isfinite(x)
                    || (readOut.match(s).hasMatch() && s != "-0"
                        && (std::isinf(Val(s)) || std::fabs(Val(s) - x) <= 0.5e-4 * (1 + 1e-9) + 1e-14 * std::fabs(x))))
            << "Format is x to four decimals, never -0: " << x << " " << s.toStdString();
        ASSERT_TRUE(!std::isfinite(x) || bits(Val(DecimalText(x))) == bits(x))
            << "DecimalText reads back bit for bit: " << x;
        const double limit = 9223372036854775808.0, ra = std::rint(x), rb = std::rint(y);  // 2^63
        const auto r = RoundingMod(x, y);
        ASSERT_EQ(r.has_value(), ra >= -limit && ra < limit && rb >= -limit && rb < limit && rb != 0)
            << x << " mod " << y;
        ASSERT_TRUE(!r || double(*r) == std::fmod(ra, rb)) << x << " mod " << y;
    }
}
