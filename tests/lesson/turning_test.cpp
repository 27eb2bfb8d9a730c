// The turning ray alone, no window: every whole degree either way under each
// figure's constants, tick by tick, by the rules the lesson states.
#include "angulon/form1.h"
#include "harness.h"
#include "unitrix/form1.h"

using namespace testing_support;

TEST(TurningRay, EveryFigureTurnsEveryAngleByItsBands)
{
    const std::pair<const lesson::Figure &, const Bands &> figures[] = {
        {unitrix::FigureP, FigureP}, {unitrix::FigureQ, FigureQ}, {unitrix::FigureThird, FigureThird},
        {angulon::FigureAlpha, RowAlpha}, {angulon::FigureBeta, RowBeta}, {angulon::FigureGamma, RowGamma}};
    QString broken;
    for (const auto &[figure, bands] : figures) {
        lesson::TurningRay ray(figure);
        for (int deg = -1800; deg <= 1800 && broken.isEmpty(); ++deg)
            if (deg) ray.start(deg, lesson::axisClass(deg)), broken = watch(inCore(ray), bands, deg);
    }
    EXPECT_EQ(broken, "");
}

// A stopped run starts afresh; a run at 0 turns nowhere and never ends.
TEST(TurningRay, RestsOnTheXAxisAndTurnsNowhereAtZero)
{
    lesson::TurningRay ray(unitrix::FigureQ);
    ray.start(300, lesson::Axis::None);
    for (int n = 0; n < 20; ++n) ray.tick();
    ray.rest();
    EXPECT_EQ(watch(inCore(ray), FigureQ, 300), "");
    ray.start(0, lesson::Axis::X);
    for (int n = 0; n < 1000; ++n)
        if (const lesson::Tick tick = ray.tick();
            tick.arrived || tick.ray != QPointF(1.9, 0) || !tick.piece.from.isNull())
            FAIL() << "tick " << n;
}
