// The three rows' "确定", the clear button and the exit button.
#include "form1.h"

#include "forms/events.h"
#include "forms/numbers.h"

#include <cmath>

namespace angulon {

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
    AngleDeg = forms::Val(row.entry.text());
    if (std::fabs(AngleDeg) > 1800) {
        forms::MsgBox(tr("角度超出规定范围，请重新输入。"), 48, tr("提示"));
        row.entry.setText(QString());
        row.entry.setFocus();
        return;
    }
    AxisCase = axisClass(AngleDeg);
    row.stroke1.collapse();
    row.stroke2.collapse();
    if (&row == &Alpha)  // only the α row redraws the plane, over the marks
        drawPlane();
    row.ray.place(0, 0, 1.9, 0);
    row.stroke1.setVisible(true);
    row.stroke2.setVisible(true);
    // The row keeps its own angle and class: another row's entry cannot
    // steer this ray.
    row.targetDeg = AngleDeg;
    row.axisCase = AxisCase;
    row.timer.setEnabled(true);
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
        row->timer.setEnabled(false);
        row->entry.setText(QString());
        row->stroke1.collapse();
        row->stroke2.collapse();
        row->rest();  // a stopped run starts afresh from the x-axis
    }
    Picture1.Cls();
    drawPlane();
    layRays();
}

void Form1::Command3_Click() { window_.End(); }

} // namespace angulon
