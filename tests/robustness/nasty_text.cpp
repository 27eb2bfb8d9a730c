#include "nasty_text.h"

#include "forms/numbers.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace robustness {

namespace {

const char16_t *const Fixed[] = {
    // nothing, blanks, signs and points alone, broken numbers
    u"", u" ", u"   ", u"\t", u"\u3000", u"+", u"-", u".", u"+.", u"-.", u"--30", u"+-30", u"1..5",
    u"1.2.3", u"1,5", u"0x1A", u"abc", u"12abc", u" -30x", u"\t 45", u"45 ", u"\u300030",
    // exponents, complete or not, and magnitudes beyond a double
    u"e", u"1e", u"1e+", u"1e-", u"1E2", u"1d3", u"1.8e3", u"18e2", u"1.8000000001e3", u"1e308",
    u"1e999", u"-1e999", u"1e-999", u"-1e-999", u"99999999999999999999999",
    u"5e-324", u"-5e-324", u"1e-320", u"2.2250738585072014e-308",
    // what other programs write for NaN and the infinities
    u"nan", u"NaN", u"inf", u"-Infinity",
    // full-width forms and other scripts
    u"１８００", u"－３０", u"＋４５", u"１．５", u"１９００", u"\u221230", u"٣٠", u"\U0001F600",
    u"30\U0001F600",
    // the ends of the range, the axes, the bands and the rounding halves
    u"0", u"-0", u"+0", u"0.0", u"0.4", u"-0.4", u"3", u"-3", u"6", u"-6", u"89.5", u"-89.5",
    u"90.5", u"-90.5", u"90", u"-90", u"180", u"-180", u"270", u"360", u"361", u"1079.99",
    u"1080", u"-1080", u"1800", u"-1800", u"+1800", u"1800.0", u"1800.0000001", u"-1800.000001",
    u"1799.9999999",
};

const char16_t Alphabet[] = u"0123456789+-.eEdD x１８０－＋．\u3000\u2212\t,a";

QString number(double x, int precision = 17) { return QString::number(x, 'g', precision); }

QString digits(Rng &rng, int count)
{
    QString text(count, u'0');
    for (QChar &c : text)
        c = QChar(u'0' + below(rng, 10));
    return text;
}

QString aroundTheEnds(Rng &rng)
{
    const double end = below(rng, 2) ? 1800 : -1800;
    switch (below(rng, 3)) {
    case 0: {  // a few ulps either side
        double x = end;
        for (int n = below(rng, 4); n > 0; --n)
            x = std::nextafter(x, below(rng, 2) ? 1e4 : -1e4);
        return number(x);
    }
    case 1: return number(end + std::uniform_real_distribution<double>(-1e-6, 1e-6)(rng));
    default: return number(end + std::uniform_real_distribution<double>(-2, 2)(rng), 1 + below(rng, 12));
    }
}

QString randomDouble(Rng &rng)
{
    switch (below(rng, 5)) {
    case 0: return number(std::uniform_real_distribution<double>(-2000, 2000)(rng), 1 + below(rng, 17));
    case 1: return QString::number(below(rng, 3801) - 1900);
    case 2: return QString::number(below(rng, 3601) - 1800) + QStringLiteral(".5");
    case 3: return number(std::bit_cast<double>(std::uint64_t(rng())));  // any magnitude, nan, inf
    default: return forms::DecimalText(std::uniform_real_distribution<double>(-1900, 1900)(rng));
    }
}

QString tenThousandDigits(Rng &rng)
{
    switch (below(rng, 4)) {
    case 0: return digits(rng, 10000);
    case 1: return QStringLiteral("-") + digits(rng, 10000);
    case 2: return QStringLiteral("0.") + digits(rng, 9998);
    default: return digits(rng, 10000) + QStringLiteral("e-9997");
    }
}

QString fixed(Rng &rng) { return QString::fromUtf16(Fixed[below(rng, int(std::size(Fixed)))]); }

// Another text with one character put in or taken out, or another text
// after it.
QString mutated(Rng &rng)
{
    QString text = below(rng, 2) ? fixed(rng) : randomDouble(rng);
    const int at = below(rng, int(text.size()) + 1);
    switch (below(rng, 4)) {
    case 0: text.insert(at, QChar(Alphabet[below(rng, int(std::size(Alphabet)) - 1)])); break;
    case 1: text.remove(at, 1); break;
    case 2: text += fixed(rng); break;
    default: text.insert(at, QChar(char16_t(0xD800 + below(rng, 0x800)))); break;  // a lone surrogate
    }
    return text;
}

} // namespace

int below(Rng &rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

QString nastyText(Rng &rng)
{
    switch (below(rng, 20)) {
    case 0: case 1: case 2: case 3: case 4: case 5: return fixed(rng);
    case 6: case 7: case 8: return aroundTheEnds(rng);
    case 9: case 10: case 11: case 12: case 13: return randomDouble(rng);
    case 14: return tenThousandDigits(rng);
    case 15: return QString(QChar(0)) + fixed(rng);
    default: return mutated(rng);
    }
}

} // namespace robustness
