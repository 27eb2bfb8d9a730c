// Where a coordinate text stands on the canvas, worked out on rectangles of
// ink in pixels.
#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

namespace lesson {

// The move, in pixels, that puts a text whose ink at its place is `ink` where
// it stands whole inside `inside`: sideways just enough where its place would
// cut it; then, where it would cover another text's ink, the least move that
// leaves 2 pixels clear, no further than 48 pixels (the shortest first; of
// two as short, the one nearer its column, then the upper). The other texts
// never move.
QPoint clearPlace(const QRect &ink, const QRect &inside, const std::vector<QRect> &others);

} // namespace lesson
