// The window at start-up: controls, handlers, and the unit-circle figure that
// start-up and reset draw.
#include "form1.h"

namespace unitrix {

namespace {

const QColor Black(0, 0, 0), Green(0, 255, 0), Blue(0, 0, 255);
using lesson::AxisOver;

} // namespace

// The turning rays of P, Q and figure 3: the mark's colour; where the arc starts and how small an angle
// stands at once either way, in degrees; the arc's radius and its arrowhead's; the spirals'; the x-axis
// drawn again over each piece.
//                                 mark   from small  arc  outer inner back spiral barb  axis
const lesson::Figure FigureP     { Black, 6,   6, 6,  0.1, 0.15, 0.05, 0.5, 0.02,  0.06, AxisOver::None };
const lesson::Figure FigureQ     { Green, 6,   6, 6,  0.2, 0.25, 0.15, 0.5, 0.04,  0.06, AxisOver::Black };
const lesson::Figure FigureThird { Blue,  6,   6, 6,  0.3, 0.35, 0.25, 0.5, 0.05,  0.06, AxisOver::Black };

Form1::Form1()
    : window_(description()),
      Picture1(window_.get<forms::PictureBox>("Picture1")),
      Picture2(window_.get<forms::PictureBox>("Picture2")),
      Picture3(window_.get<forms::PictureBox>("Picture3")),
      Picture4(window_.get<forms::PictureBox>("Picture4")),
      Picture5(window_.get<forms::PictureBox>("Picture5")),
      Picture6(window_.get<forms::PictureBox>("Picture6")),
      Image12(window_.get<forms::Image>("Image12")),
      Image13(window_.get<forms::Image>("Image13")),
      Image14(window_.get<forms::Image>("Image14")),
      Image16(window_.get<forms::Image>("Image16")),
      Text1(window_.get<QLineEdit>("Text1")),
      Text2(window_.get<QLineEdit>("Text2")),
      Text3(window_.get<QLineEdit>("Text3")),
      Command1(window_.get<QPushButton>("Command1")),
      Command2(window_.get<QPushButton>("Command2")),
      Command3(window_.get<QPushButton>("Command3")),
      Command4(window_.get<QPushButton>("Command4")),
      Command5(window_.get<QPushButton>("Command5")),
      Command6(window_.get<QPushButton>("Command6")),
      Command7(window_.get<QPushButton>("Command7")),
      Label3(window_.get<QLabel>("Label3")),
      Label4(window_.get<QLabel>("Label4")),
      Label5(window_.get<QLabel>("Label5")),
      Label6(window_.get<QLabel>("Label6")),
      Label7(window_.get<QLabel>("Label7")),
      Label8(window_.get<QLabel>("Label8")),
      Label9(window_.get<QLabel>("Label9")),
      Label10(window_.get<QLabel>("Label10")),
      Label11(window_.get<QLabel>("Label11")),
      Label12(window_.get<QLabel>("Label12")),
      Label13(window_.get<QLabel>("Label13")),
      Label14(window_.get<QLabel>("Label14")),
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
      P(FigureP, Picture1, Line1, Line2, Line3, Command1, Timer1),
      Q(FigureQ, Picture1, Line6, Line4, Line5, Command4, Timer2),
      Third(FigureThird, Picture1, Line9, Line7, Line8, Command5, Timer3)
{
    window_.onClick("Command1", [this] { Command1_Click(); });
    window_.onClick("Command2", [this] { Command2_Click(); });
    window_.onClick("Command3", [this] { Command3_Click(); });
    window_.onClick("Command4", [this] { Command4_Click(); });
    window_.onClick("Command5", [this] { Command5_Click(); });
    window_.onClick("Command6", [this] { Command6_Click(); });
    window_.onClick("Command7", [this] { Command7_Click(); });
    window_.onClick("Picture6", [this] { Picture6_Click(); });
    window_.onClick("Image12", [this] { Image12_Click(); });
    window_.onClick("Image13", [this] { Image13_Click(); });
    window_.onClick("Image14", [this] { Image14_Click(); });
    window_.onTimer("Timer1", [this] { Timer1_Timer(); });
    window_.onTimer("Timer2", [this] { Timer2_Timer(); });
    window_.onTimer("Timer3", [this] { Timer3_Timer(); });
    window_.load([this] { Form_Load(); });
}

void Form1::Form_Load()
{
    Picture1.DrawStyle = forms::LineStyle::Solid;
    captionPLabels();
    drawAxes();
    layRays();
    drawUnitCircle();
}

void Form1::captionPLabels()
{
    Label3.setText(tr("以OP为终边的角的正弦:sinα="));
    Label5.setText(tr("以OP为终边的角的余弦:cosα="));
    Label7.setText(tr("以OP为终边的角的正切:tanα="));
}

// User coordinates with the origin in the centre, and the two axes ending in
// closed arrowheads: the x one 0.1 wide, the y one 0.08.
void Form1::drawCross(forms::PictureBox &canvas)
{
    canvas.Scale(-2, 2, 2, -2);
    canvas.Line(-2, 0, 1.9, 0);
    canvas.Line(0, -2, 0, 1.9);
    canvas.Line(2, 0, 1.9, 0.05);
    canvas.Line(2, 0, 1.9, -0.05);
    canvas.Line(1.9, -0.05, 1.9, 0.05);
    canvas.Line(0, 2, 0.04, 1.9);
    canvas.Line(0, 2, -0.04, 1.9);
    canvas.Line(-0.04, 1.9, 0.04, 1.9);
}

// x below the end of the x-axis, y left of the tip of the y-axis (its top at
// yTop), O below left of the origin.
void Form1::printAxisLetters(forms::PictureBox &canvas, float yTop)
{
    canvas.CurrentX = 1.9, canvas.CurrentY = -0.04;
    canvas.Print(QStringLiteral("x"));
    canvas.CurrentX = -0.15, canvas.CurrentY = yTop;
    canvas.Print(QStringLiteral("y"));
    canvas.CurrentX = -0.15, canvas.CurrentY = -0.04;
    canvas.Print(QStringLiteral("O"));
}

// The cross of the main canvas with its italic letters.
void Form1::drawAxes()
{
    drawCross(Picture1);
    Picture1.FontItalic = true;
    printAxisLetters(Picture1, 2.05);
    Picture1.FontItalic = false;
}

// The three rays wait, hidden, on the positive x-axis.
void Form1::layRays()
{
    Line1.place(0, 0, 1.9, 0);
    Line6.place(0, 0, 1.9, 0);
    Line9.place(0, 0, 1.9, 0);
}

void Form1::drawUnitCircle()
{
    Picture1.Circle(0, 0, 1.7);
    Picture1.CurrentX = 1.75, Picture1.CurrentY = -0.04;
    Picture1.Print(QStringLiteral("1"));
    Picture1.CurrentX = -1.85, Picture1.CurrentY = -0.04;
    Picture1.Print(QStringLiteral("-1"));
    Picture1.CurrentY = 1.88, Picture1.CurrentX = -0.1;
    Picture1.Print(QStringLiteral("1"));
    Picture1.CurrentY = -1.75, Picture1.CurrentX = -0.2;
    Picture1.Print(QStringLiteral("-1"));
}

// The drop-down list of formulas.
void Form1::Picture6_Click() { Picture4.setHeightTwips(1455); }
void Form1::Image12_Click() { chooseFormula(lesson::Formula::PlusAlpha, Image12, QStringLiteral("180°+α")); }
void Form1::Image13_Click() { chooseFormula(lesson::Formula::MinusAlpha, Image13, QStringLiteral("180°-α")); }
void Form1::Image14_Click() { chooseFormula(lesson::Formula::NegativeAlpha, Image14, QStringLiteral("-α")); }

void Form1::chooseFormula(lesson::Formula type, forms::Image &item, const QString &angle)
{
    Image16.setPicture(item.picture());
    Picture4.setHeightTwips(0);
    FormulaType = type;
    captionPLabels();
    Label9.setText(tr("以OQ为终边的角的正弦:sin(%1)=").arg(angle));
    Label10.setText(tr("以OQ为终边的角的余弦:cos(%1)=").arg(angle));
    Label11.setText(tr("以OQ为终边的角的正切:tan(%1)=").arg(angle));
}

} // namespace unitrix
