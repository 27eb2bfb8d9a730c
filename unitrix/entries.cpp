// The entries: α for P on "确定", the hand-over of the angle of OQ to
// figure 2, figure 3's angle, and the clear buttons of figures 2 and 3.
#include "form1.h"

#include "forms/msgbox.h"
#include "lesson/numbers.h"

#include <cmath>

namespace unitrix {

using lesson::Val;

bool Form1::refused(double deg, QLineEdit &entry)
{
    if (lesson::inRange(deg))
        return false;
    forms::refuse(entry, lesson::rangeMessage(), lesson::rangeTitle());
    return true;
}

void Form1::Command1_Click()
{
    Line1.setVisible(true);
    if (Text1.text().isEmpty()) {
        Timer1.setEnabled(false);
        return;
    }
    const double AlphaDeg = Val(Text1.text());
    if (AlphaDeg == 0) {
        // Nothing turns, so the read-outs are filled here: those of 0, and of
        // the formula's angle, 180° (π as 3.14159) or 0.
        const lesson::ReadOuts p = lesson::readOuts(0, false);
        Label4.setText(p.sine), Label6.setText(p.cosine), Label8.setText(p.tangent);
        if (FormulaType != lesson::Formula::None) {
            const lesson::ReadOuts q =
                lesson::readOuts(FormulaType == lesson::Formula::NegativeAlpha ? 0 : 3.14159, false);
            Label12.setText(q.sine), Label13.setText(q.cosine), Label14.setText(q.tangent);
        }
    }
    if (refused(AlphaDeg, Text1))
        return;
    Line2.collapse();
    Line3.collapse();
    drawAxes();
    Line1.place(0, 0, 1.9, 0);
    Line2.setVisible(true);
    Line3.setVisible(true);
    P.start(AlphaDeg, lesson::axisClass(AlphaDeg));
}

void Form1::Command4_Click()
{
    Line6.setVisible(true);
    if (Text2.text().isEmpty()) {
        Timer2.setEnabled(false);
        return;
    }
    // The text box only has to hold something; the angle comes from BetaDeg.
    const double AlphaDeg = BetaDeg.value_or(0);
    if (refused(AlphaDeg, Text2))
        return;
    Line5.collapse();
    Line4.collapse();
    Line6.place(0, 0, 1.9, 0);
    Line4.setVisible(true);
    Line5.setVisible(true);
    Q.start(AlphaDeg, lesson::axisClass(AlphaDeg));
}

void Form1::Command5_Click()
{
    Line9.setVisible(true);
    if (Text3.text().isEmpty()) {
        Timer3.setEnabled(false);
        return;
    }
    const double AlphaDeg = Val(Text3.text());
    if (refused(AlphaDeg, Text3))
        return;
    Picture3.Cls();
    Line8.collapse();
    Line7.collapse();
    Line9.place(0, 0, 1.9, 0);
    Line7.setVisible(true);
    Line8.setVisible(true);
    Third.start(AlphaDeg, lesson::axisClass(AlphaDeg));
}

void Form1::Command6_Click() { clearFigure(Q, Text2, Picture2); }
void Form1::Command7_Click() { clearFigure(Third, Text3, Picture3); }

// Stops a hidden figure and redraws the coordinate cross of its own canvas;
// what it traced on the main canvas stays.
void Form1::clearFigure(forms::Animation &figure, QLineEdit &entry, forms::PictureBox &canvas)
{
    figure.stop();
    entry.setText(QString());
    figure.stroke2.collapse();
    figure.stroke1.collapse();
    canvas.Cls();
    drawCross(canvas);
    printAxisLetters(canvas, 2);
    figure.ray.place(0, 0, 1.9, 0);
}

} // namespace unitrix
