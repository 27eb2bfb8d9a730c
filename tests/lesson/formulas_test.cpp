// The lesson's arithmetic on rectangles and numbers: the read-outs of an
// angle, and where a coordinate text stands.
#include "harness.h"
#include "lesson/formulas.h"
#include "lesson/placement.h"

// Sine and cosine to four decimals, the tangent as the quotient of those two
// read-outs, or "不存在" where it has none: where its cosine reads 0 (listed
// among the angles without one or not), or where the angle it goes with had none.
TEST(ReadOuts, TheTangentIsTheQuotientOfTheReadOutsBesideIt)
{
    const std::tuple<double, bool, const char *> table[] = {
        {30, false, "0.5 0.866 0.5774"}, {-300, false, "0.866 0.5 1.732"},
        {180, false, "0 -1 0"},          {0, false, "0 1 0"},
        {90, true, "1 0 不存在"},        {1170, false, "1 0 不存在"},
        {89.99725, false, "1 0 不存在"}, {269.99725, true, "-1 -0.0001 不存在"}};
    for (const auto &[deg, undefined, seen] : table) {
        const lesson::ReadOuts shown = lesson::readOuts(deg * (3.14159 / 180), undefined);
        EXPECT_EQ(shown.sine + ' ' + shown.cosine + ' ' + shown.tangent, seen) << deg;
    }
}

// A text 81 x 16 pixels swept across a canvas among its own texts (x, y, O,
// the ticks and P's): wherever it lands it stands whole inside and 2 pixels
// clear of every other text. Where its place, moved sideways to stand whole,
// is clear it stays there; else it takes the shortest move that clears it,
// up to 48 pixels, or none.
TEST(ClearPlace, ATextMovesTheLeastThatFreesIt)
{
    const QRect inside(3, 3, 327, 327);
    const std::vector<QRect> others = {{323, 174, 9, 10}, {152, 0, 10, 13}, {154, 171, 11, 13}, {312, 171, 8, 13},
                                       {12, 171, 13, 13}, {158, 11, 8, 13}, {149, 313, 13, 13}, {211, 36, 72, 16}};
    auto clear = [&](QRect r) {
        return inside.contains(r)
               && std::ranges::none_of(others, [&](QRect o) { return r.adjusted(-2, -2, 2, 2).intersects(o); });
    };
    QStringList wrong;
    for (int y = -12; y < 340 && wrong.size() < 5; y += 8)
        for (int x = -92; x < 340; x += 8) {
            const QRect ink(x, y, 81, 16);
            const QPoint edge(std::max(inside.left() - x, 0) + std::min(inside.right() - ink.right(), 0), 0),
                move = lesson::clearPlace(ink, inside, others) - edge;
            double least = 49;
            for (int dy = -48; dy <= 48; ++dy)
                for (int dx = -48; dx <= 48; ++dx)
                    if (std::hypot(dx, dy) < least && clear(ink.translated(edge + QPoint(dx, dy))))
                        least = std::hypot(dx, dy);
            if (least > 48 ? !move.isNull()
                           : !clear(ink.translated(edge + move)) || std::hypot(move.x(), move.y()) != least)
                wrong << QStringLiteral("%1,%2 moved %3,%4").arg(x).arg(y).arg(move.x()).arg(move.y());
        }
    EXPECT_EQ(wrong.join("; "), "");
}
