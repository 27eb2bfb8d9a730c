// The three rays' ticks and the finishes that complete each figure: P marked
// with its projections and read-outs, the angle of OQ handed to figure 2, Q
// marked with the coordinates its formula gives it.
#include "form1.h"

#include "lesson/numbers.h"
#include "lesson/placement.h"

#include <cmath>

namespace unitrix {

using lesson::Formula;

void Form1::Timer1_Timer()
{
    if (P.tick())
        finishP();
}

void Form1::Timer2_Timer()
{
    if (const auto arrived = Q.tick())
        finishQ(*arrived);
    // OQ at 0° (180°−α with α = 180, 180°+α with α = −180) does not turn, and
    // Q is shown on every tick.
    if (Q.motion.target() == 0 && (FormulaType == Formula::PlusAlpha || FormulaType == Formula::MinusAlpha))
        showQAtZero();
}

void Form1::Timer3_Timer() { Third.tick(); }

// P is marked with its projections and read-outs, and the angle of OQ goes
// over to figure 2.
void Form1::finishP()
{
    const double alpha = P.motion.target();
    const double cosine = std::cos(alpha * 3.14159 / 180), x = 1.7 * cosine, y = 1.7 * std::sin(alpha * 3.14159 / 180);
    Picture1.DrawStyle = forms::LineStyle::Dotted;
    Picture1.Line(x, y, 0, y);
    Picture1.Line(x, y, x, 0);
    Picture1.Circle(x, y, 0.02, forms::RGB(255, 0, 0));
    printCoordinates(QStringLiteral("P(cosa,sina)"), 1.5 * cosine, y);

    const lesson::ReadOuts shown = lesson::readOuts(alpha * (3.14159 / 180), lesson::listedUndefined(alpha));
    Label4.setText(shown.sine);
    Label6.setText(shown.cosine);
    Label8.setText(shown.tangent);
    QFlag = shown.tangent == lesson::undefinedText();

    if (const auto beta = lesson::imageAngle(FormulaType, alpha))
        BetaDeg = beta;
    Text2.setText(BetaDeg ? lesson::DecimalText(*BetaDeg) : QString());
    Command4_Click();
}

// Q is marked with the coordinates the chosen formula gives it, and the values
// of the angle of OQ are read out.
void Form1::finishQ(lesson::Turn direction)
{
    const double w = (Q.motion.target() * 3.14159) / 180;
    const double x = 1.7 * std::cos(w), y = 1.7 * std::sin(w), near = 1.8 * std::cos(w);
    Picture1.Line(x, y, 0, y);
    Picture1.Line(x, y, x, 0);
    Picture1.Circle(x, y, 0.03, forms::RGB(255, 0, 0));
    if (const QString text = lesson::coordinatesOfQ(FormulaType); !text.isEmpty())
        printCoordinates(text, direction == lesson::Turn::Forward ? near - 0.5 : near, y);

    const lesson::ReadOuts shown = lesson::readOuts(w, QFlag);
    Label12.setText(shown.sine);
    Label13.setText(shown.cosine);
    Label14.setText(shown.tangent);
}

void Form1::showQAtZero()
{
    const lesson::ReadOuts shown = lesson::readOuts(0, false);
    Label12.setText(shown.sine);
    Label13.setText(shown.cosine);
    Label14.setText(shown.tangent);
    printCoordinates(lesson::coordinatesOfQ(FormulaType), 1.5, 0.2);
}

// A coordinate text stands whole inside the canvas, 3 pixels clear of its
// edges, and clear of the texts printed before it.
void Form1::printCoordinates(const QString &text, double x, double y)
{
    const QRect inside = Picture1.clientArea().translated(-Picture1.clientArea().topLeft()).adjusted(3, 3, -3, -3);
    std::vector<QRect> others;
    for (const forms::PictureBox::Printed &printed : Picture1.printed())
        if (printed.text != text)
            others.push_back(printed.ink);
    const QPoint move = lesson::clearPlace(Picture1.inkOf(text, float(x), float(y)), inside, others);
    const QPointF place = Picture1.toUser(Picture1.toPixel(x, y) + move);
    Picture1.CurrentX = float(place.x());
    Picture1.CurrentY = float(place.y());
    Picture1.Print(text);
}

} // namespace unitrix
