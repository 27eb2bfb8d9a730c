// The reduction-formula window: its controls, the three turning rays of P, Q
// and figure 3, and the handlers of the lesson. Tests and benchmarks drive
// this same class.
#pragma once

#include "forms/animation.h"
#include "forms/form.h"
#include "lesson/formulas.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace unitrix {

// The turning rays' constants.
extern const lesson::Figure FigureP, FigureQ, FigureThird;

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
    // Controls.
    forms::PictureBox &Picture1, &Picture2, &Picture3, &Picture4, &Picture5, &Picture6;
    forms::Image &Image12, &Image13, &Image14, &Image16;
    QLineEdit &Text1, &Text2, &Text3;
    QPushButton &Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &Command7;
    QLabel &Label3, &Label4, &Label5, &Label6, &Label7, &Label8;
    QLabel &Label9, &Label10, &Label11, &Label12, &Label13, &Label14;
    forms::LineObject &Line1, &Line2, &Line3, &Line4, &Line5, &Line6, &Line7, &Line8, &Line9;
    forms::Timer &Timer1, &Timer2, &Timer3;

    // The turning rays: OP to α, OQ to the formula's angle (figure 2), and figure 3's.
    forms::Animation P, Q, Third;

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
    // Fields of the window, shared by the handlers.
    lesson::Formula FormulaType = lesson::Formula::None;
    std::optional<double> BetaDeg;  // the angle of OQ, none until the first P is marked
    bool QFlag = false;             // α's tangent does not exist, so neither does OQ's

    void captionPLabels();
    void drawCross(forms::PictureBox &canvas);
    void printAxisLetters(forms::PictureBox &canvas, float yTop);
    void drawAxes();
    void drawUnitCircle();
    void layRays();
    bool refused(double deg, QLineEdit &entry);
    void clearFigure(forms::Animation &figure, QLineEdit &entry, forms::PictureBox &canvas);
    void chooseFormula(lesson::Formula type, forms::Image &item, const QString &angle);

    void finishP();
    void finishQ(lesson::Turn direction);
    void showQAtZero();
    void printCoordinates(const QString &text, double x, double y);
};

} // namespace unitrix
