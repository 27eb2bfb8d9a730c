// "清除" starts the lesson over; "退出" ends the program.
#include "form1.h"

namespace unitrix {

void Form1::Command2_Click()
{
    Picture1.DrawStyle = forms::LineStyle::Solid;  // the finish of P leaves it dotted
    Command1.setEnabled(true);
    Command4.setEnabled(true);
    Command5.setEnabled(true);
    for (QLabel *value : {&Label4, &Label6, &Label8, &Label12, &Label13, &Label14})
        value->setText(QString());
    Line1.setVisible(false);
    Line6.setVisible(false);
    Line9.setVisible(false);

    // Stopped runs start afresh from the positive x-axis next time.
    P.stop();
    Text1.setText(QString());
    Line2.collapse();
    Line3.collapse();
    Q.stop();
    Text2.setText(QString());
    Line5.collapse();
    Line4.collapse();
    Third.stop();
    Text3.setText(QString());
    Line8.collapse();
    Line7.collapse();

    Picture1.Cls();
    drawAxes();
    layRays();
    drawUnitCircle();
}

void Form1::Command3_Click() { window_.End(); }

} // namespace unitrix
