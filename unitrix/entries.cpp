// The entries: α for P on "确定", the hand-over of the angle of OQ to
// figure 2, figure 3's angle, and the clear buttons of figures 2 and 3.
#include "form1.h"

#include "forms/events.h"
#include "forms/numbers.h"

#include <cmath>

namespace unitrix {

using forms::Format;
using forms::Val;

namespace {

// 1: a multiple of 180 (on the x-axis), 2: an odd multiple of 90 (on the
// y-axis), 0: neither; within half a degree counts, as the remainder rounds.
short axisClass(double deg)
{
    if (forms::RoundingMod(deg, 90) != 0)
        return 0;
    const double q = deg / 90;
    return forms::RoundingMod(q, 2) == 0 ? 1 : 2;
}

} // namespace

bool Form1::rejected(double deg, QLineEdit &entry)
{
    if (std::fabs(deg) <= 1800)
        return false;
    forms::MsgBox(tr("角度超出规定范围，请重新输入。"), 48, tr("提示"));
    entry.setText(QString());
    entry.setFocus();
    return true;
}

void Form1::Command1_Click()
{
    Line1.setVisible(true);
    if (Text1.text().isEmpty()) {
        Timer1.setEnabled(false);
        return;
    }
    AlphaDeg = Val(Text1.text());
    if (AlphaDeg == 0) {
        // Nothing turns, so the read-outs are filled here.
        Label4.setText(Format(std::sin(0.0)));
        Label6.setText(Format(std::cos(0.0)));
        Label8.setText(Format(std::tan(0.0)));
        if (FormulaType == 1 || FormulaType == 2) {
            Label12.setText(Format(std::sin(3.14159)));
            Label13.setText(Format(std::cos(3.14159)));
            Label14.setText(Format(std::tan(3.14159)));
        } else if (FormulaType == 3) {
            Label12.setText(Format(std::sin(0.0)));
            Label13.setText(Format(std::cos(0.0)));
            Label14.setText(Format(std::tan(0.0)));
        }
    }
    CosAlpha = std::cos(AlphaDeg * 3.14159 / 180);
    SinAlpha = std::sin(AlphaDeg * 3.14159 / 180);
    if (rejected(AlphaDeg, Text1))
        return;
    AxisCase = axisClass(AlphaDeg);
    Line2.collapse();
    Line3.collapse();
    drawAxes();
    Line1.place(0, 0, 1.9, 0);
    Line2.setVisible(true);
    Line3.setVisible(true);
    P.start(AlphaDeg, AxisCase, CosAlpha, SinAlpha);
}

void Form1::Command4_Click()
{
    Line6.setVisible(true);
    if (Text2.text().isEmpty()) {
        Timer2.setEnabled(false);
        return;
    }
    // The text box only has to hold something; the angle comes from BetaDeg.
    AlphaDeg = Val(BetaDeg ? forms::DecimalText(*BetaDeg) : QString());
    CosBeta = std::cos((AlphaDeg * 3.14159) / 180);
    SinBeta = std::sin((AlphaDeg * 3.14159) / 180);
    if (rejected(AlphaDeg, Text2))
        return;
    AxisCase = axisClass(AlphaDeg);
    Line5.collapse();
    Line4.collapse();
    Line6.place(0, 0, 1.9, 0);
    Line4.setVisible(true);
    Line5.setVisible(true);
    Q.start(AlphaDeg, AxisCase, CosBeta, SinBeta);
}

void Form1::Command5_Click()
{
    Line9.setVisible(true);
    if (Text3.text().isEmpty()) {
        Timer3.setEnabled(false);
        return;
    }
    AlphaDeg = Val(Text3.text());
    if (rejected(AlphaDeg, Text3))
        return;
    AxisCase = axisClass(AlphaDeg);
    Picture3.Cls();
    Line8.collapse();
    Line7.collapse();
    Line9.place(0, 0, 1.9, 0);
    Line7.setVisible(true);
    Line8.setVisible(true);
    Third.start(AlphaDeg, AxisCase);
}

void Form1::Command6_Click() { clearFigure(Q, Text2, Picture2); }
void Form1::Command7_Click() { clearFigure(Third, Text3, Picture3); }

// Stops a hidden figure and redraws the coordinate cross of its own canvas;
// what it traced on the main canvas stays.
void Form1::clearFigure(Figure &figure, QLineEdit &entry, forms::PictureBox &canvas)
{
    figure.timer.setEnabled(false);
    figure.rest();  // a stopped run starts afresh next time
    entry.setText(QString());
    figure.stroke2.collapse();
    figure.stroke1.collapse();
    canvas.Cls();
    drawCross(canvas);
    printAxisLetters(canvas, 2);
    figure.ray.place(0, 0, 1.9, 0);
}

} // namespace unitrix
