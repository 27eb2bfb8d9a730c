#include "angles.h"

#include "numbers.h"

#include <QCoreApplication>
#include <cmath>

namespace lesson {

Axis axisClass(double deg)
{
    if (RoundingMod(deg, 90) != 0)
        return Axis::None;
    const double q = deg / 90;
    return RoundingMod(q, 2) == 0 ? Axis::X : Axis::Y;
}

bool inRange(double deg) { return std::fabs(deg) <= 1800; }

QString rangeMessage() { return QCoreApplication::translate("lesson", "角度超出规定范围，请重新输入。"); }
QString rangeTitle() { return QCoreApplication::translate("lesson", "提示"); }

} // namespace lesson
