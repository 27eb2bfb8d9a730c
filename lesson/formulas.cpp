#include "formulas.h"

#include "numbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace lesson {

std::optional<double> imageAngle(Formula formula, double alpha)
{
    switch (formula) {
    case Formula::PlusAlpha: return 180 + alpha;
    case Formula::MinusAlpha: return 180 - alpha;
    case Formula::NegativeAlpha: return -alpha;
    case Formula::None: break;
    }
    return std::nullopt;
}

ReadOuts readOuts(double radians, bool undefined)
{
    ReadOuts shown{Format(std::sin(radians)), Format(std::cos(radians)), {}};
    const double cosine = Val(shown.cosine);
    shown.tangent = undefined || cosine == 0 ? undefinedText() : Format(Val(shown.sine) / cosine);
    return shown;
}

bool listedUndefined(double alpha)
{
    static const double at[] = {90, 270, 450, 630, 810, 990};
    return std::ranges::find(at, std::fabs(alpha)) != std::end(at);
}

QString undefinedText() { return QCoreApplication::translate("lesson", "不存在"); }

QString coordinatesOfQ(Formula formula)
{
    switch (formula) {
    case Formula::PlusAlpha: return QStringLiteral("Q(-cosa,-sina)");
    case Formula::MinusAlpha: return QStringLiteral("Q(-cosa,sina)");
    case Formula::NegativeAlpha: return QStringLiteral("Q(cosa,-sina)");
    case Formula::None: break;
    }
    return {};
}

} // namespace lesson
