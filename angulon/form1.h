// The angle-formation window: its shared fields, its controls and the
// handlers of the three rows. Tests and benchmarks drive this same class.
#pragma once

#include "forms/animation.h"
#include "forms/form.h"

#include <QCoreApplication>

#include <QLineEdit>
#include <QPushButton>

namespace angulon {

// The turning rays' constants.
extern const lesson::Figure FigureAlpha, FigureBeta, FigureGamma;

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
    forms::PictureBox &Picture1;
    QLineEdit &Text1, &Text2, &Text3;
    QPushButton &Command1, &Command2, &Command4, &Command5;
    QAbstractButton &Command3;
    forms::LineObject &Line1, &Line2, &Line3, &Line4, &Line5, &Line6, &Line7, &Line8, &Line9;
    forms::Timer &Timer1, &Timer2, &Timer3;

    // The rows' turning rays, each with its entry.
    struct Row : forms::Animation {
        QLineEdit &entry;
    };
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
};

} // namespace angulon
