#include "numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace lesson {

namespace {

// Full-width forms (U+FF01..U+FF5E) and the typographic minus read as ASCII.
char16_t asciiTwin(char16_t c)
{
    if (c >= 0xFF01 && c <= 0xFF5E)
        return char16_t(c - 0xFEE0);
    if (c == 0x2212)
        return u'-';
    return c;
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f'
        || c == 0x3000;
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

} // namespace

double Val(const QString &text)
{
    const qsizetype n = text.size();
    auto at = [&](qsizetype i) -> char16_t { return i < n ? asciiTwin(text[i].unicode()) : 0; };

    qsizetype i = 0;
    while (i < n && isBlank(at(i)))
        ++i;

    bool negative = false;
    if (at(i) == u'+' || at(i) == u'-') {
        negative = at(i) == u'-';
        ++i;
    }

    std::string digits;          // mantissa as plain ASCII, with its point
    long long leadingPlace = 0;  // decimal place of the first non-zero digit, for overflow
    bool seenNonZero = false;
    bool anyDigit = false;
    long long intDigits = 0, fracZeros = 0;
    while (isDigit(at(i))) {
        anyDigit = true;
        if (at(i) != u'0' || seenNonZero) {
            seenNonZero = true;
            ++intDigits;
        }
        digits += char(at(i++));
    }
    if (at(i) == u'.') {
        digits += '.';
        ++i;
        while (isDigit(at(i))) {
            anyDigit = true;
            if (!seenNonZero) {
                if (at(i) == u'0')
                    ++fracZeros;
                else
                    seenNonZero = true;
            }
            digits += char(at(i++));
        }
    }
    if (!anyDigit || !seenNonZero)
        return negative ? -0.0 : 0.0;
    leadingPlace = intDigits > 0 ? intDigits : -fracZeros;

    // An exponent counts only when digits follow it; "1e" is just 1.
    long long exponent = 0;
    const char16_t e = at(i);
    if (e == u'e' || e == u'E' || e == u'd' || e == u'D') {
        qsizetype j = i + 1;
        bool expNegative = false;
        if (at(j) == u'+' || at(j) == u'-') {
            expNegative = at(j) == u'-';
            ++j;
        }
        if (isDigit(at(j))) {
            while (isDigit(at(j))) {
                if (exponent < 1'000'000'000)  // saturate: far beyond any double
                    exponent = exponent * 10 + (at(j) - u'0');
                ++j;
            }
            if (expNegative)
                exponent = -exponent;
        }
    }

    const std::string number = digits + "e" + std::to_string(exponent);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = leadingPlace + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

QString Format(double x)
{
    if (std::isnan(x))
        return QStringLiteral("NaN");
    if (std::isinf(x))
        return x > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");

    // Round the number as it reads in decimal (15 significant digits), so that
    // 1.00005 counts as a half and goes away from zero like any other half.
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
    const std::string sci(buf, r.ptr);            // d.ddddddddddddddde±XX
    std::string mantissa = sci.substr(0, 1) + sci.substr(2, 14);
    const int exp10 = std::stoi(sci.substr(sci.find('e') + 1));

    // Keep the digits down to the fourth decimal; the next one decides.
    const int keep = exp10 + 1 + 4;
    std::string scaled;  // |x| * 10^4, rounded, as whole-number digits
    if (keep >= 0) {
        scaled = keep <= 15 ? mantissa.substr(0, keep) : mantissa + std::string(keep - 15, '0');
        const bool roundUp = keep < 15 && mantissa[keep] >= '5';
        if (roundUp) {
            int k = int(scaled.size()) - 1;
            while (k >= 0 && scaled[k] == '9')
                scaled[k--] = '0';
            if (k >= 0)
                ++scaled[k];
            else
                scaled.insert(scaled.begin(), '1');
        }
    }
    if (scaled.size() < 5)
        scaled.insert(0, 5 - scaled.size(), '0');

    std::string whole = scaled.substr(0, scaled.size() - 4);
    std::string decimals = scaled.substr(scaled.size() - 4);
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    const size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);

    std::string out = whole;
    if (!decimals.empty())
        out += "." + decimals;
    if (x < 0 && out != "0")
        out.insert(out.begin(), '-');
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

std::optional<std::int64_t> RoundingMod(double dividend, double divisor)
{
    // rint rounds halves to the even neighbour in the default rounding mode.
    const double a = std::rint(dividend);
    const double b = std::rint(divisor);
    constexpr double limit = 9223372036854775808.0;  // 2^63
    auto fits = [&](double v) { return v >= -limit && v < limit; };
    if (!fits(a) || !fits(b) || b == 0)
        return std::nullopt;
    const auto ia = static_cast<std::int64_t>(a);
    const auto ib = static_cast<std::int64_t>(b);
    if (ib == -1)  // INT64_MIN % -1 would trap
        return 0;
    return ia % ib;
}

QString DecimalText(double x)
{
    if (!std::isfinite(x))
        return Format(x);
    char buf[1100];  // the longest shortest fixed form of a double is ~770 chars
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
    return QString::fromLatin1(buf, r.ptr - buf);
}

} // namespace lesson
