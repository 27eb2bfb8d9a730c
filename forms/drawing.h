// The drawing calls made on a canvas since its last Cls: what tests may read
// back, and what the canvas draws anew at another zoom or resolution instead
// of enlarging a bitmap.
#pragma once

#include "color.h"

#include <QString>
#include <vector>

namespace forms {

enum class LineStyle { Solid = 0, Dotted = 2 };

struct DrawCall {
    enum class Op { Scale, Line, Circle, Print, Cls } op;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Circle: centre and radius in x1, y1, x2
    Color color = 0;
    LineStyle style = LineStyle::Solid;
    QString text;
    bool italic = false;

    bool operator==(const DrawCall &) const = default;
};

// A run of calls that repeats the run just before it changes no pixel (each
// pixel shows whatever was drawn on it last, and drawing is aliased), so it is
// not kept: a timer at angle 0 draws the same every tick for as long as it
// runs, and the list stays bounded by one lesson.
class Drawing {
public:
    void add(const DrawCall &call);
    void clear() { calls_.clear(); }
    const std::vector<DrawCall> &calls() const { return calls_; }

private:
    std::vector<DrawCall> calls_;
};

} // namespace forms
