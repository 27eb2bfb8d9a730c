// What an entered angle is to the lessons: where a multiple of 90 ends, and
// whether it lies in the range the figures are drawn for.
#pragma once

#include <QString>

namespace lesson {

// On which axis a ray turned through the angle ends: a multiple of 180 on the
// x-axis, an odd multiple of 90 on the y-axis. Within half a degree counts, as
// the remainder rounds both numbers first (89.6 ends on the y-axis).
enum class Axis { None = 0, X = 1, Y = 2 };
Axis axisClass(double deg);

// −1800 to 1800 degrees, both ends included: five turns either way.
bool inRange(double deg);
QString rangeMessage();
QString rangeTitle();

} // namespace lesson
