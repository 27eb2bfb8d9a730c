#include "forms/numbers.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace forms;

namespace {

const double inf = std::numeric_limits<double>::infinity();

struct FormatCase {
    double value;
    const char *text;
};

void PrintTo(const FormatCase &c, std::ostream *os) { *os << c.value << " -> " << c.text; }

class FormatTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTable, WritesFourDecimalsAtMost)
{
    EXPECT_EQ(Format(GetParam().value).toStdString(), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    ReadOuts, FormatTable,
    testing::Values(
        // the read-outs of the lessons
        FormatCase{std::sin(30 * (3.14159 / 180)), "0.5"}, FormatCase{std::cos(30 * (3.14159 / 180)), "0.866"},
        FormatCase{0.5 / 0.866, "0.5774"}, FormatCase{std::sin(3.14159), "0"}, FormatCase{std::cos(3.14159), "-1"},
        FormatCase{std::tan(3.14159), "0"}, FormatCase{std::cos(1170 * (3.14159 / 180)), "0"},
        // halves go away from zero, as the number reads in decimal
        FormatCase{0.00005, "0.0001"}, FormatCase{-0.00005, "-0.0001"}, FormatCase{1.00005, "1.0001"},
        FormatCase{0.12345, "0.1235"}, FormatCase{-2.71825, "-2.7183"}, FormatCase{0.99995, "1"},
        FormatCase{9.99995, "10"}, FormatCase{0.000049999, "0"},
        // never "-0", never a bare point, trailing zeros dropped
        FormatCase{-0.0, "0"}, FormatCase{-0.00004, "0"}, FormatCase{0, "0"}, FormatCase{2.5, "2.5"},
        FormatCase{-1, "-1"}, FormatCase{1800, "1800"}, FormatCase{0.1 + 0.2, "0.3"},
        // exponent forms still come out in plain digits
        FormatCase{1e20, "100000000000000000000"}, FormatCase{1.5e-10, "0"},
        FormatCase{12345678901234567890.0, "12345678901234600000"}, FormatCase{123456.78915, "123456.7892"},
        FormatCase{inf, "Infinity"}, FormatCase{-inf, "-Infinity"}));

struct ValCase {
    const char *text;
    double value;
};

void PrintTo(const ValCase &c, std::ostream *os) { *os << '"' << c.text << '"'; }

class ValTable : public testing::TestWithParam<ValCase> {};

TEST_P(ValTable, ReadsTheLeadingNumber)
{
    const double got = Val(QString::fromUtf8(GetParam().text));
    if (std::isinf(GetParam().value))
        EXPECT_EQ(got, GetParam().value) << GetParam().text;
    else
        EXPECT_DOUBLE_EQ(got, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ValTable,
    testing::Values(
        ValCase{"", 0}, ValCase{" ", 0}, ValCase{"abc", 0}, ValCase{"12abc", 12}, ValCase{"  30", 30},
        ValCase{"\t-45", -45}, ValCase{"+5", 5}, ValCase{"-", 0}, ValCase{"+", 0}, ValCase{".", 0},
        ValCase{".5", 0.5}, ValCase{"-.5", -0.5}, ValCase{"5.", 5}, ValCase{"1.5e3", 1500},
        ValCase{"2E-2", 0.02}, ValCase{"1d2", 100}, ValCase{"1e", 1}, ValCase{"1e+", 1}, ValCase{"1e-x", 1},
        ValCase{"1,5", 1}, ValCase{"1 2", 1}, ValCase{"0x10", 0}, ValCase{"- 5", 0},
        ValCase{"1800", 1800}, ValCase{"-1800", -1800}, ValCase{"1800.0000000000002", 1800.0000000000002},
        // typed through a Chinese input method
        ValCase{"１８００", 1800}, ValCase{"－３０", -30}, ValCase{"３０．５", 30.5}, ValCase{"\u3000４５", 45},
        ValCase{"\u2212" "90", -90}, ValCase{"٣٠", 0},
        // too large for a double, or too small
        ValCase{"1e999", inf}, ValCase{"-1e999", -inf}, ValCase{"1e99999999999999999999", inf},
        ValCase{"1e-999", 0}, ValCase{"0e999999", 0}, ValCase{"0.0000000000000000000001e330", 1e308}));

TEST(Val, TenThousandDigitsReadAsInfinity)
{
    EXPECT_EQ(Val(QString(10000, QLatin1Char('9'))), inf);
    EXPECT_EQ(Val(QStringLiteral("-") + QString(10000, QLatin1Char('7'))), -inf);
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("0.") + QString(10000, QLatin1Char('0')) + QStringLiteral("1e10005")), 10000);
}

struct ModCase {
    double dividend, divisor;
    std::optional<std::int64_t> remainder;
};

void PrintTo(const ModCase &c, std::ostream *os) { *os << c.dividend << " mod " << c.divisor; }

class RoundingModTable : public testing::TestWithParam<ModCase> {};

TEST_P(RoundingModTable, RoundsHalvesToEvenFirst)
{
    const auto &c = GetParam();
    EXPECT_EQ(RoundingMod(c.dividend, c.divisor), c.remainder) << c.dividend << " mod " << c.divisor;
}

INSTANTIATE_TEST_SUITE_P(
    AxisTests, RoundingModTable,
    testing::Values(ModCase{90, 90, 0}, ModCase{-90, 90, 0}, ModCase{89.5, 90, 0}, ModCase{90.5, 90, 0},
                    ModCase{91.5, 90, 2}, ModCase{45.5, 90, 46}, ModCase{44.5, 90, 44}, ModCase{-1, 2, -1},
                    ModCase{-0.5, 2, 0}, ModCase{-270, 90, 0}, ModCase{-3, 2, -1}, ModCase{7, 2.5, 1},
                    ModCase{-9223372036854775808.0, -1, 0},
                    // no value instead of undefined behaviour
                    ModCase{7, 0.4, std::nullopt}, ModCase{1e19, 90, std::nullopt},
                    ModCase{-9.3e18, 90, std::nullopt}, ModCase{90, 1e300, std::nullopt},
                    ModCase{inf, 90, std::nullopt}, ModCase{std::nan(""), 90, std::nullopt}));

TEST(DecimalText, IsPlainAndReadsBackToTheSameNumber)
{
    EXPECT_EQ(DecimalText(210).toStdString(), "210");
    EXPECT_EQ(DecimalText(-30.5).toStdString(), "-30.5");
    EXPECT_FALSE(DecimalText(1e-300).contains(QLatin1Char('e')));
    std::mt19937_64 rng(20261206);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 20000; ++i) {
        double x;
        const std::uint64_t b = bits(rng);
        std::memcpy(&x, &b, sizeof x);
        if (!std::isfinite(x))
            continue;
        const double back = Val(DecimalText(x));
        ASSERT_EQ(std::memcmp(&back, &x, sizeof x), 0) << DecimalText(x).toStdString();
    }
}

} // namespace
