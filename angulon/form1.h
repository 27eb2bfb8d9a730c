// The angle-formation window: its shared fields, its controls and the
// handlers of the three rows. Tests and benchmarks drive this same class.
#pragma once

#include "forms/form.h"

#include <QCoreApplication>

#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace angulon {

// What sets one row's demonstration apart from the others.
struct Look {
    forms::Color mark;
    double arcRadius;
    double strokeOuter, strokeInner;  // arrowhead ends on the arc band
    double spiralFactor;
    double arcFrom;                   // the arc band starts above this angle
    double smallUpTo, smallDownTo;    // angles this small show the ray at once
    bool axisRepair;                  // the x-axis redrawn from O after every tick
};

// One row: its controls and the motion it keeps to itself, so that a row
// started while another turns leaves that one on its own course.
struct Row {
    const Look &look;
    QPushButton &button;
    QLineEdit &entry;
    forms::LineObject &ray, &stroke1, &stroke2;
    forms::Timer &timer;

    double RayAngle = 0, PrevRayAngle = 0;
    double ArcX = 0, ArcY = 0, PrevArcX = 0, PrevArcY = 0;
    double targetDeg = 0;
    short axisCase = 0;

    void rest() { RayAngle = PrevRayAngle = ArcX = ArcY = PrevArcX = PrevArcY = 0; }
};

enum class Turn { Forward, Backward };

class Form1 {
    Q_DECLARE_TR_FUNCTIONS(angulon)  // the context of the window's texts

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
    // Fields of the window: the angle and axis class of the row started last.
    double AngleDeg = 0;
    double ArrowStep = 0;
    short AxisCase = 0;

    forms::PictureBox &Picture1;
    QLineEdit &Text1, &Text2, &Text3;
    QPushButton &Command1, &Command2, &Command4, &Command5;
    QAbstractButton &Command3;
    forms::LineObject &Line1, &Line2, &Line3, &Line4, &Line5, &Line6, &Line7, &Line8, &Line9;
    forms::Timer &Timer1, &Timer2, &Timer3;

    Row Alpha, Beta, Gamma;

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

private:
    void drawPlane();
    void layRays();
    void start(Row &row);
    void tick(Row &row);
    std::optional<Turn> turn(Row &row);
    void land(Row &row);
};

} // namespace angulon
