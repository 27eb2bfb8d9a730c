// The window at start-up, and the coordinate plane that start-up, the α row
// and "清除" draw.
#include "form1.h"

namespace angulon {

namespace {

const QColor Black(0, 0, 0), Green(0, 255, 0), Blue(0, 0, 255);
using lesson::AxisOver;

} // namespace

// The rows' turning rays: the mark's colour; where the arc starts and how small an angle stands at once
// either way, in degrees; the arc's radius and its arrowhead's; the spirals'; the x-axis drawn again over
// each piece.
//                                 mark   from small  arc  outer inner back spiral barb  axis
const lesson::Figure FigureAlpha { Black, 6,   6, 6,  0.2, 0.24, 0.16, 0.4, 0.048, 0.04, AxisOver::None };
const lesson::Figure FigureBeta  { Green, 3,   3, 3,  0.3, 0.34, 0.26, 0.4, 0.05,  0.04, AxisOver::ForeColour };
const lesson::Figure FigureGamma { Blue,  3,   6, 3,  0.4, 0.44, 0.36, 0.4, 0.052, 0.04, AxisOver::ForeColour };

Form1::Form1()
    : window_(description()),
      Picture1(window_.get<forms::PictureBox>("Picture1")),
      Text1(window_.get<QLineEdit>("Text1")),
      Text2(window_.get<QLineEdit>("Text2")),
      Text3(window_.get<QLineEdit>("Text3")),
      Command1(window_.get<QPushButton>("Command1")),
      Command2(window_.get<QPushButton>("Command2")),
      Command4(window_.get<QPushButton>("Command4")),
      Command5(window_.get<QPushButton>("Command5")),
      Command3(window_.get<QAbstractButton>("Command3")),
      Line1(window_.line("Line1")),
      Line2(window_.line("Line2")),
      Line3(window_.line("Line3")),
      Line4(window_.line("Line4")),
      Line5(window_.line("Line5")),
      Line6(window_.line("Line6")),
      Line7(window_.line("Line7")),
      Line8(window_.line("Line8")),
      Line9(window_.line("Line9")),
      Timer1(window_.timer("Timer1")),
      Timer2(window_.timer("Timer2")),
      Timer3(window_.timer("Timer3")),
      Alpha{{FigureAlpha, Picture1, Line1, Line2, Line3, Command1, Timer1}, Text1},
      Beta{{FigureBeta, Picture1, Line6, Line4, Line5, Command4, Timer2}, Text2},
      Gamma{{FigureGamma, Picture1, Line9, Line7, Line8, Command5, Timer3}, Text3}
{
    window_.onClick("Command1", [this] { Command1_Click(); });
    window_.onClick("Command2", [this] { Command2_Click(); });
    window_.onClick("Command3", [this] { Command3_Click(); });
    window_.onClick("Command4", [this] { Command4_Click(); });
    window_.onClick("Command5", [this] { Command5_Click(); });
    window_.onTimer("Timer1", [this] { Timer1_Timer(); });
    window_.onTimer("Timer2", [this] { Timer2_Timer(); });
    window_.onTimer("Timer3", [this] { Timer3_Timer(); });
    window_.load([this] { Form_Load(); });
}

void Form1::Form_Load()
{
    drawPlane();
    layRays();
}

// The three rays lie on the positive x-axis, hidden until their row starts.
void Form1::layRays()
{
    Line1.place(0, 0, 1.9, 0);
    Line6.place(0, 0, 1.9, 0);
    Line9.place(0, 0, 1.9, 0);
}

// Both axes across the canvas, a filled arrowhead at each positive end (five
// fans of two strokes, the tip moving out), and the letters.
void Form1::drawPlane()
{
    Picture1.Scale(-2, 2, 2, -2);
    Picture1.Line(-2, 0, 2, 0);
    Picture1.Line(0, -2, 0, 2);
    for (double step = 0; step <= 0.04; step = step + 0.01) {
        const double tip = 1.94 + step;
        Picture1.Line(1.92, 0.04, tip, 0);
        Picture1.Line(1.92, -0.035, tip, 0);
        Picture1.Line(0.035, 1.92, 0, tip);
        Picture1.Line(-0.04, 1.92, 0, tip);
    }
    Picture1.CurrentX = 1.9, Picture1.CurrentY = -0.04;
    Picture1.Print(QStringLiteral("x"));
    Picture1.CurrentX = -0.15, Picture1.CurrentY = 2;
    Picture1.Print(QStringLiteral("y"));
    Picture1.CurrentX = -0.15, Picture1.CurrentY = -0.04;
    Picture1.Print(QStringLiteral("O"));
}

} // namespace angulon
