// The window description: every control with its container, place in twips,
// look and start-up state. Windowed controls of one container are listed in
// stacking order, the first on top.
#include "form1.h"

namespace angulon {

using namespace forms;

namespace {

QString asset(const char *name) { return QStringLiteral(":/angulon/") + QLatin1String(name); }

FontSpec TimesNewRoman(double points, bool italic = false)
{
    return {QStringLiteral("Times New Roman"), points, false, italic};
}

const ColorRef Red = ColorRef::fixed(255, 0, 0);

Props stroke() { return with().foreColor(Red).hidden(); }
Props ray(int r, int g, int b) { return with().foreColor(ColorRef::fixed(r, g, b)).width(2).hidden(); }

} // namespace

const WindowSpec &Form1::description()
{
    static const WindowSpec spec{
        .context = "angulon",
        .caption = QStringLiteral("Rotavel"),
        .clientWidth = 9150,
        .clientHeight = 5250,
        .back = ColorRef::fixed(255, 255, 255),
        .picture = asset("background.svg"),
        .icon = asset("icon.svg"),
        .font = {QStringLiteral("宋体"), 10.5},
        .controls = {
            // name     kind                 container   left  top   width height
            {"Picture1", Kind::PictureBox,    "",         120,  120,  5000, 5000,
             with().backColor(WindowColor).foreColor(WindowTextColor).withFont(TimesNewRoman(9, true))
                 .bordered(Border::Sunken).tab(1)
                 .speaks(QT_TR_NOOP("坐标平面"), QT_TR_NOOP("射线绕原点O从x轴正半轴旋转形成角"))},
            {"Image1",   Kind::Image,         "",         5280, 120,  1425, 360,
             with().pic(asset("title.svg")).speaks("Rotavel", QT_TR_NOOP("程序标题"))},
            {"Text1",    Kind::TextBox,       "",         5760, 840,  975,  360,
             with().withFont(TimesNewRoman(10.5)).tab(2).returnPresses("Command1")
                 .speaks(QT_TR_NOOP("角α（度）"), QT_TR_NOOP("黑色射线转过的角"))},
            {"Command1", Kind::CommandButton, "",         7200, 840,  735,  375,
             with().text(QT_TR_NOOP("确定")).tab(3).speaks(QT_TR_NOOP("确定"), QT_TR_NOOP("黑色射线转过角α"))},
            {"Command2", Kind::CommandButton, "",         8040, 2280, 735,  375,
             with().text(QT_TR_NOOP("清除")).tab(4)},
            {"Command3", Kind::PictureButton, "",         8040, 4320, 735,  375,
             with().faces(asset("exit_up.svg"), asset("exit_down.svg"), asset("exit_disabled.svg")).tab(5)
                 .speaks(QT_TR_NOOP("退出"), QT_TR_NOOP("结束程序"))},
            // The input panel lies below the buttons placed over it.
            {"Frame1",   Kind::Frame,         "",         5280, 720,  3615, 2055,
             with().backColor(ColorRef::fixed(239, 255, 255))},
            {"Image10",  Kind::Image,         "",         5280, 2880, 3615, 1020,
             with().pic(asset("instructions.svg")).speaks(QT_TR_NOOP("操作说明"),
                 QT_TR_NOOP("为了便于观察，α、β、γ的取值范围限定为−1800°≤α、β、γ≤1800°"))},
            {"Image2",   Kind::Image,         "",         5400, 4080, 3165, 1110,
             with().pic(asset("emblem.svg")).speaks(QT_TR_NOOP("Zentrak 标志"), QT_TR_NOOP("Zentrak 三角函数课件"))},
            // The highlight rectangle just outside the input panel (ends in twips).
            //                                           X1    Y1    X2    Y2
            {"Line10",   Kind::Line,          "",         5265, 700,  8905, 700,  with().foreColor(HighlightColor)},
            {"Line11",   Kind::Line,          "",         5260, 2780, 8900, 2780, with().foreColor(HighlightColor)},
            {"Line12",   Kind::Line,          "",         5260, 700,  5260, 2780, with().foreColor(HighlightColor)},
            {"Line13",   Kind::Line,          "",         8900, 700,  8900, 2780, with().foreColor(HighlightColor)},
            {"Timer1",   Kind::Timer,         "",         0,    0,    0,    0,    with().every(20).disabled()},
            {"Timer2",   Kind::Timer,         "",         0,    0,    0,    0,    with().every(20).disabled()},
            {"Timer3",   Kind::Timer,         "",         0,    0,    0,    0,    with().every(20).disabled()},

            // The input panel: a row for each angle (the α entry lies on the window, above it).
            {"Text2",    Kind::TextBox,       "Frame1",   480,  645,  975,  390,
             with().foreColor(ColorRef::fixed(0, 192, 0)).withFont(TimesNewRoman(10.5)).tab(7).returnPresses("Command4")
                 .speaks(QT_TR_NOOP("角β（度）"), QT_TR_NOOP("绿色射线转过的角"))},
            {"Command4", Kind::CommandButton, "Frame1",   1920, 650,  735,  375,
             with().text(QT_TR_NOOP("确定")).tab(9).speaks(QT_TR_NOOP("确定"), QT_TR_NOOP("绿色射线转过角β"))},
            {"Text3",    Kind::TextBox,       "Frame1",   480,  1200, 975,  390,
             with().foreColor(ColorRef::fixed(0, 0, 192)).withFont(TimesNewRoman(10.5)).tab(8).returnPresses("Command5")
                 .speaks(QT_TR_NOOP("角γ（度）"), QT_TR_NOOP("蓝色射线转过的角"))},
            {"Command5", Kind::CommandButton, "Frame1",   1920, 1200, 735,  375,
             with().text(QT_TR_NOOP("确定")).tab(10).speaks(QT_TR_NOOP("确定"), QT_TR_NOOP("蓝色射线转过角γ"))},
            {"Image4",   Kind::Image,         "Frame1",   120,  240,  300,  120,
             with().pic(asset("alpha_eq.svg")).speaks("α=", QT_TR_NOOP("角α"))},
            {"Image7",   Kind::Image,         "Frame1",   1500, 120,  135,  135,
             with().pic(asset("degree.svg")).speaks(QT_TR_NOOP("度"), QT_TR_NOOP("角的单位"))},
            {"Image5",   Kind::Image,         "Frame1",   120,  720,  300,  210,
             with().pic(asset("beta_eq.svg")).speaks("β=", QT_TR_NOOP("角β"))},
            {"Image8",   Kind::Image,         "Frame1",   1500, 600,  135,  135,
             with().pic(asset("degree.svg")).speaks(QT_TR_NOOP("度"), QT_TR_NOOP("角的单位"))},
            {"Image6",   Kind::Image,         "Frame1",   150,  1320, 255,  165,
             with().pic(asset("gamma_eq.svg")).speaks("γ=", QT_TR_NOOP("角γ"))},
            {"Image9",   Kind::Image,         "Frame1",   1500, 1200, 135,  135,
             with().pic(asset("degree.svg")).speaks(QT_TR_NOOP("度"), QT_TR_NOOP("角的单位"))},

            // The rays and their arrowhead strokes on the canvas.
            {"Line1",    Kind::Line,          "Picture1", 0,    0,    0,    0,    ray(0, 0, 0)},
            {"Line2",    Kind::Line,          "Picture1", 0,    0,    0,    0,    stroke()},
            {"Line3",    Kind::Line,          "Picture1", 0,    0,    0,    0,    stroke()},
            {"Line6",    Kind::Line,          "Picture1", 0,    0,    0,    0,    ray(0, 255, 0)},
            {"Line4",    Kind::Line,          "Picture1", 0,    0,    0,    0,    stroke()},
            {"Line5",    Kind::Line,          "Picture1", 0,    0,    0,    0,    stroke()},
            {"Line9",    Kind::Line,          "Picture1", 0,    0,    0,    0,    ray(0, 0, 255)},
            {"Line7",    Kind::Line,          "Picture1", 0,    0,    0,    0,    stroke()},
            {"Line8",    Kind::Line,          "Picture1", 0,    0,    0,    0,    stroke()},
        },
    };
    return spec;
}

} // namespace angulon
