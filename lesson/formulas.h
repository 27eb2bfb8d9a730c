// The reduction formulas: the angle of OQ each gives for α, the read-outs of
// an angle's sine, cosine and tangent, and the coordinates Q is marked with.
#pragma once

#include "turning.h"

#include <QString>
#include <optional>

namespace lesson {

enum class Formula { None = 0, PlusAlpha = 1, MinusAlpha = 2, NegativeAlpha = 3 };  // 180°+α, 180°−α, −α

// 180 + α, 180 − α or −α; none before a formula is chosen.
std::optional<double> imageAngle(Formula formula, double alpha);

// Each value to four decimals; the tangent as the quotient of the two
// read-outs beside it, or "不存在" where it has none: where undefined says so,
// and wherever the cosine reads 0.
struct ReadOuts {
    QString sine, cosine, tangent;
};
ReadOuts readOuts(double radians, bool undefined);
// The angles whose tangent is undefined by name, |α| = 90, 270, …, 990.
bool listedUndefined(double alpha);
QString undefinedText();

// Q's coordinates as the chosen formula writes them; none before a choice.
QString coordinatesOfQ(Formula formula);

} // namespace lesson
