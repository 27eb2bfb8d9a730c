#include "placement.h"

#include <algorithm>
#include <tuple>

namespace lesson {

namespace {

const std::vector<QPoint> &nearestMoves()
{
    static const std::vector<QPoint> moves = [] {
        std::vector<QPoint> all;
        for (int dy = -48; dy <= 48; ++dy)
            for (int dx = -48; dx <= 48; ++dx)
                if (dx * dx + dy * dy <= 48 * 48 && (dx || dy))
                    all.emplace_back(dx, dy);
        auto order = [](QPoint p) { return std::tuple(QPoint::dotProduct(p, p), std::abs(p.x()), p.y(), p.x()); };
        std::ranges::sort(all, {}, order);
        return all;
    }();
    return moves;
}

} // namespace

QPoint clearPlace(const QRect &ink, const QRect &inside, const std::vector<QRect> &others)
{
    const int cut = std::max(inside.left() - ink.left(), 0) + std::min(inside.right() - ink.right(), 0);
    auto free = [&](const QRect &place) {
        return inside.contains(place) && std::ranges::none_of(others, [&](const QRect &other) {
                   return place.adjusted(-2, -2, 2, 2).intersects(other);
               });
    };
    QPoint move(cut, 0);
    if (!free(ink.translated(move))) {
        const auto nearest =
            std::ranges::find_if(nearestMoves(), [&](QPoint by) { return free(ink.translated(move + by)); });
        move += nearest != nearestMoves().end() ? *nearest : QPoint();
    }
    return move;
}

} // namespace lesson
