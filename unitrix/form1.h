// The reduction-formula window: its shared fields, its controls and the
// handlers of the lesson. Tests and benchmarks drive this same class.
#pragma once

#include "forms/form.h"

#include <QCoreApplication>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace unitrix {

// How a figure's ray turns and what mark it leaves behind.
struct Look {
    forms::Color mark;
    double arcRadius;      // radius of the arc up to one turn
    double strokeOuter;    // arrowhead stroke ends on the arc band
    double strokeInner;
    double spiralFactor;   // radius per radian of the spirals
    bool baseLine;         // the black segment (0, 0)-(1, 0) after every mark piece
};

enum class Turn { Forward, Backward };

// One animation with its controls and the state it keeps to itself, so that a
// second animation cannot steer its ray.
struct Figure {
    const Look &look;
    forms::LineObject &ray, &stroke1, &stroke2;
    QPushButton &button;
    forms::Timer &timer;

    double RayAngle = 0, PrevRayAngle = 0;
    double ArcX = 0, ArcY = 0, PrevArcX = 0, PrevArcY = 0;
    double targetDeg = 0;
    short axisCase = 0;
    double cosine = 0, sine = 0;  // where its point is marked

    void start(double deg, short axis, double cos = 0, double sin = 0);
    void rest() { RayAngle = PrevRayAngle = ArcX = ArcY = PrevArcX = PrevArcY = 0; }
};

class Form1 {
    Q_DECLARE_TR_FUNCTIONS(unitrix)  // the context of the window's texts

public:
    // The window description, every control of it in a row.
    static const forms::WindowSpec &description();

    Form1();
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    forms::Form &window() { return window_; }

private:
    forms::Form window_;

public:
    // Fields of the window, shared by the handlers.
    double AlphaDeg = 0;
    double CosAlpha = 0, SinAlpha = 0;
    short AxisCase = 0;
    short FormulaType = 0;            // 1: 180°+α, 2: 180°−α, 3: −α, 0: none yet
    std::optional<double> BetaDeg;    // empty until the first P is marked
    double CosBeta = 0, SinBeta = 0;
    short QFlag = 0;

    // Controls.
    forms::PictureBox &Picture1, &Picture2, &Picture3, &Picture4, &Picture5, &Picture6;
    forms::Image &Image12, &Image13, &Image14, &Image16;
    QLineEdit &Text1, &Text2, &Text3;
    QPushButton &Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &Command7;
    QLabel &Label3, &Label4, &Label5, &Label6, &Label7, &Label8;
    QLabel &Label9, &Label10, &Label11, &Label12, &Label13, &Label14;
    forms::LineObject &Line1, &Line2, &Line3, &Line4, &Line5, &Line6, &Line7, &Line8, &Line9;
    forms::Timer &Timer1, &Timer2, &Timer3;

    // The three animations: P (α), Q (the angle of OQ) and figure 3.
    Figure P, Q, Third;

    // Handlers.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Picture6_Click();
    void Image12_Click();
    void Image13_Click();
    void Image14_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

private:
    void captionPLabels();
    void drawCross(forms::PictureBox &canvas);
    void printAxisLetters(forms::PictureBox &canvas, float yTop);
    void drawAxes();
    void drawUnitCircle();
    void layRays();
    void clearFigure(Figure &figure, QLineEdit &entry, forms::PictureBox &canvas);
    void chooseFormula(short type, forms::Image &item, const QString &angle);
    bool rejected(double deg, QLineEdit &entry);

    std::optional<Turn> turn(Figure &figure);
    void land(Figure &figure);
    void finishP();
    void finishQ(Turn direction);
    void printCoordinates(const QString &text, double x, double y);
};

} // namespace unitrix
