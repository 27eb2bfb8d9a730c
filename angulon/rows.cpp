// The three rows' "确定" and their timers, the clear button and the exit button.
#include "form1.h"

#include "forms/msgbox.h"
#include "lesson/numbers.h"

#include <cmath>

namespace angulon {

void Form1::Command1_Click() { start(Alpha); }
void Form1::Command4_Click() { start(Beta); }
void Form1::Command5_Click() { start(Gamma); }

void Form1::start(Row &row)
{
    row.ray.setVisible(true);
    if (row.entry.text().isEmpty()) {
        row.timer.setEnabled(false);
        return;
    }
    const double AngleDeg = lesson::Val(row.entry.text());
    if (!lesson::inRange(AngleDeg)) {
        forms::refuse(row.entry, lesson::rangeMessage(), lesson::rangeTitle());
        return;
    }
    row.stroke1.collapse();
    row.stroke2.collapse();
    if (&row == &Alpha)  // only the α row redraws the plane, over the marks
        drawPlane();
    row.ray.place(0, 0, 1.9, 0);
    row.stroke1.setVisible(true);
    row.stroke2.setVisible(true);
    // The row keeps its own angle and class: another row's entry cannot
    // steer this ray.
    row.start(AngleDeg, lesson::axisClass(AngleDeg));
}

void Form1::Command2_Click()
{
    Command1.setEnabled(true);
    Command4.setEnabled(true);
    Command5.setEnabled(true);
    Line1.setVisible(false);
    Line6.setVisible(false);
    Line9.setVisible(false);
    for (Row *row : {&Alpha, &Beta, &Gamma}) {
        row->stop();  // a stopped run starts afresh from the x-axis
        row->entry.setText(QString());
        row->stroke1.collapse();
        row->stroke2.collapse();
    }
    Picture1.Cls();
    drawPlane();
    layRays();
}

void Form1::Command3_Click() { window_.End(); }

void Form1::Timer1_Timer() { Alpha.tick(); }
void Form1::Timer2_Timer() { Beta.tick(); }
void Form1::Timer3_Timer() { Gamma.tick(); }

} // namespace angulon
