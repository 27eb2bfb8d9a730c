// The window description: every control with its container, place in twips,
// look and start-up state. Windowed controls of one container are listed in
// stacking order, the first on top.
#include "form1.h"

namespace unitrix {

using namespace forms;

namespace {

QString asset(const char *name) { return QStringLiteral(":/unitrix/") + QLatin1String(name); }

FontSpec SongTi(double points) { return {QStringLiteral("宋体"), points}; }
FontSpec TimesNewRoman(double points, bool italic = false)
{
    return {QStringLiteral("Times New Roman"), points, false, italic};
}

const ColorRef White = ColorRef::fixed(255, 255, 255), Black = ColorRef::fixed(0, 0, 0);
const ColorRef Red = ColorRef::fixed(255, 0, 0), Green = ColorRef::fixed(0, 255, 0), Blue = ColorRef::fixed(0, 0, 255);
const ColorRef PSide = ColorRef::fixed(255, 192, 255);   // read-outs of α
const ColorRef QSide = ColorRef::fixed(255, 255, 192);   // read-outs of the angle of OQ

Props box() { return with().backColor(WindowColor).foreColor(WindowTextColor); }
Props hiddenFrame()
{
    const ColorRef grey = ColorRef::fixed(224, 224, 224);
    return with().backColor(grey).foreColor(Red).withFont(SongTi(12)).bordered(Border::Etched);
}
Props caption(const char *text) { return with().transparentBack().foreColor(Blue).withFont(SongTi(10.5)).text(text); }
// A value, named for a screen reader by the caption beside it.
Props value(ColorRef back, const char *caption)
{
    return with().backColor(back).foreColor(ButtonTextColor).withFont(SongTi(10.5)).labelledBy(caption);
}
Props line(ColorRef colour) { return with().foreColor(colour).hidden(); }

} // namespace

const WindowSpec &Form1::description()
{
    static const WindowSpec spec{
        .context = "unitrix",
        .caption = QStringLiteral("Zentrak"),
        .clientWidth = 11100,
        .clientHeight = 8385,
        .back = ColorRef::fixed(235, 233, 225),
        .picture = asset("background.svg"),
        .icon = asset("icon.svg"),
        .font = SongTi(10.5),
        .controls = {
            // name     kind                 container   left  top   width height
            {"Picture6", Kind::PictureBox,    "",         6960, 4560, 375,  375,
             box().pic(asset("dropdown.svg")).bordered(Border::Flat).tab(20)
                 .speaks(QT_TR_NOOP("展开公式列表"), QT_TR_NOOP("打开诱导公式类型的下拉列表"))},
            {"Picture5", Kind::PictureBox,    "",         5880, 4560, 1095, 375,
             box().bordered(Border::Flat).tab(19)
                 .speaks(QT_TR_NOOP("所选公式"), QT_TR_NOOP("当前选择的诱导公式类型"), QAccessible::StaticText)},
            {"Picture4", Kind::PictureBox,    "",         5880, 4920, 1455, 15,
             box().bordered(Border::Flat).tab(18)
                 .speaks(QT_TR_NOOP("公式列表"), QT_TR_NOOP("用上下方向键选择公式，按空格或回车确认"),
                         QAccessible::List)},
            {"Picture3",  Kind::PictureBox,   "",        11880,720,  3375, 3375,
             box().withFont(TimesNewRoman(9, true)).bordered(Border::Sunken).tab(6)
                 .speaks(QT_TR_NOOP("图3画布"), QT_TR_NOOP("图3的坐标系"))},
            {"Picture2",  Kind::PictureBox,   "",        11880,720,  3375, 3375,
             box().withFont(TimesNewRoman(9, true)).bordered(Border::Sunken).tab(5)
                 .speaks(QT_TR_NOOP("图2画布"), QT_TR_NOOP("图2的坐标系"))},
            {"Command3", Kind::CommandButton, "",         9600, 6000, 975,  375,
             with().text(QT_TR_NOOP("退出")).tab(4).speaks(QT_TR_NOOP("退出"), QT_TR_NOOP("结束程序"))},
            {"Command2", Kind::CommandButton, "",         4440, 6240, 975,  375,
             with().text(QT_TR_NOOP("清除")).tab(3).speaks(QT_TR_NOOP("清除"), QT_TR_NOOP("清除图形和读数，重新开始"))},
            {"Command1", Kind::CommandButton, "",         2400, 6240, 855,  375,
             with().text(QT_TR_NOOP("确定")).tab(2).speaks(QT_TR_NOOP("确定"), QT_TR_NOOP("射线OP转到角α，再作出点Q"))},
            {"Text1",    Kind::TextBox,       "",         960,  6240, 855,  435,
             with().withFont(TimesNewRoman(14.25)).tab(1).returnPresses("Command1")
                 .speaks(QT_TR_NOOP("角α（度）"), QT_TR_NOOP("输入要验证的角α，范围−1800到1800度"))},
            {"Picture1", Kind::PictureBox,    "",         360,  840,  5055, 5055,
             box().backColor(White).withFont(TimesNewRoman(10.5)).bordered(Border::Sunken).tab(0)
                 .speaks(QT_TR_NOOP("单位圆"), QT_TR_NOOP("角α的终边OP与诱导公式中的角的终边OQ"))},
            {"Frame2",    Kind::Frame,        "",        12000,240,  3615, 5175,
             hiddenFrame().text(QT_TR_NOOP("图2"))},
            {"Frame3",    Kind::Frame,        "",        12120,600,  3615, 5175,
             hiddenFrame().text(QT_TR_NOOP("图3"))},
            {"Frame1",   Kind::Frame,         "",         120,  600,  5535, 6255,
             with().backColor(ColorRef::fixed(235, 239, 239)).withFont(SongTi(12)).bordered(Border::Etched)},
            {"Frame4",   Kind::Frame,         "",         5760, 600,  5175, 6255,
             with().backColor(ColorRef::fixed(235, 239, 255)).withFont(SongTi(12)).bordered(Border::Etched)},
            {"Image17",  Kind::Image,         "",         4680, 120,  1500, 375,
             with().pic(asset("title.svg")).speaks("Zentrak", QT_TR_NOOP("程序标题"))},
            {"Image15",  Kind::Image,         "",         240,  6960, 7545, 1260,
             with().pic(asset("instructions.svg")).speaks(QT_TR_NOOP("操作说明"),
                 QT_TR_NOOP("1. 在选择框中选择要验证的公式类型；2. 在文本框中输入要验证的角α，单击“确定”按钮；"
                            "3. 观察并总结两个角的正弦、余弦、正切之间的关系。"))},
            {"Timer1",   Kind::Timer,         "",         0,    0,    0,    0,    with().every(20).disabled()},
            {"Timer2",   Kind::Timer,         "",         0,    0,    0,    0,    with().every(20).disabled()},
            {"Timer3",   Kind::Timer,         "",         0,    0,    0,    0,    with().every(20).disabled()},

            // Frame1: the entry of α, and the hidden entries of figures 2 and 3 below its visible part.
            {"Image4",   Kind::Image,         "Frame1",   360,  5760, 435,  150,
             with().pic(asset("alpha.svg")).speaks("α", QT_TR_NOOP("角α"))},
            {"Image7",   Kind::Image,         "Frame1",   1725, 5640, 105,  105,
             with().pic(asset("degree.svg")).speaks(QT_TR_NOOP("度"), QT_TR_NOOP("角的单位"))},
            {"Text2",    Kind::TextBox,       "Frame1",   1440, 6960, 975,  435,
             with().foreColor(ColorRef::fixed(0, 192, 0)).withFont(TimesNewRoman(14.25)).tab(12)
                 .returnPresses("Command4")
                 .speaks(QT_TR_NOOP("图2的角（度）"), QT_TR_NOOP("OQ所在的角"))},
            {"Command4", Kind::CommandButton, "Frame1",   2640, 6960, 735,  375,
             with().text(QT_TR_NOOP("确定")).tab(14).speaks(QT_TR_NOOP("确定"), QT_TR_NOOP("图2：射线OQ转到它的角"))},
            {"Text3",    Kind::TextBox,       "Frame1",   1320, 7440, 975,  435,
             with().foreColor(ColorRef::fixed(0, 0, 192)).withFont(TimesNewRoman(14.25)).tab(13)
                 .returnPresses("Command5")
                 .speaks(QT_TR_NOOP("图3的角（度）"), QT_TR_NOOP("图3要转到的角"))},
            {"Command5", Kind::CommandButton, "Frame1",   2640, 7440, 735,  375,
             with().text(QT_TR_NOOP("确定")).tab(15)
                 .speaks(QT_TR_NOOP("确定"), QT_TR_NOOP("图3：蓝色射线转到输入的角"))},

            // Frame4: the read-outs, a caption label and a value label a row; the caption
            // is what a screen reader names the value by.
            {"Label3",   Kind::Label,         "Frame4",   120,  480,  3015, 375,
             caption(QT_TR_NOOP("以OP为终边的角的正弦"))},
            {"Label4",   Kind::Label,         "Frame4",   3600, 360,  1215, 375,  value(PSide, "Label3")},
            {"Label5",   Kind::Label,         "Frame4",   120,  960,  3015, 375,
             caption(QT_TR_NOOP("以OP为终边的角的余弦"))},
            {"Label6",   Kind::Label,         "Frame4",   3600, 840,  1215, 375,  value(PSide, "Label5")},
            {"Label7",   Kind::Label,         "Frame4",   120,  1440, 3015, 375,
             caption(QT_TR_NOOP("以OP为终边的角的正切"))},
            {"Label8",   Kind::Label,         "Frame4",   3600, 1320, 1215, 375,  value(PSide, "Label7")},
            {"Label9",   Kind::Label,         "Frame4",   120,  2400, 3855, 375,
             caption(QT_TR_NOOP("以OQ为终边的角的正弦"))},
            {"Label12",  Kind::Label,         "Frame4",   3840, 2280, 1215, 375,  value(QSide, "Label9")},
            {"Label10",  Kind::Label,         "Frame4",   120,  2880, 3855, 375,
             caption(QT_TR_NOOP("以OQ为终边的角的余弦"))},
            {"Label13",  Kind::Label,         "Frame4",   3840, 2760, 1215, 375,  value(QSide, "Label10")},
            {"Label11",  Kind::Label,         "Frame4",   120,  3360, 3855, 375,
             caption(QT_TR_NOOP("以OQ为终边的角的正切"))},
            {"Label14",  Kind::Label,         "Frame4",   3840, 3240, 1215, 375,  value(QSide, "Label11")},
            {"Label15",  Kind::Label,         "Frame4",   120,  4080, 1575, 375,
             with().transparentBack().foreColor(Red).withFont(SongTi(12)).text(QT_TR_NOOP("选择公式类型"))},

            // The formula list and its selection box.
            {"Image16",  Kind::Image,         "Picture5", 0,    0,    1020, 345,
             with().speaks(QT_TR_NOOP("未选择公式"), QT_TR_NOOP("所选的诱导公式"))},
            {"Image12",  Kind::Image,         "Picture4", 0,    0,    855,  315,
             with().pic(asset("formula1.svg")).speaks("180°+α", QT_TR_NOOP("诱导公式类型：180°+α"))},
            {"Image13",  Kind::Image,         "Picture4", 0,    480,  855,  315,
             with().pic(asset("formula2.svg")).speaks("180°−α", QT_TR_NOOP("诱导公式类型：180°−α"))},
            {"Image14",  Kind::Image,         "Picture4", 120,  960,  375,  225,
             with().pic(asset("formula3.svg")).speaks("−α", QT_TR_NOOP("诱导公式类型：−α"))},

            // The hidden figures' clear buttons.
            {"Command6", Kind::CommandButton, "Frame2",   2640, 4440, 735,  375,
             with().text(QT_TR_NOOP("清除")).tab(16).speaks(QT_TR_NOOP("清除"), QT_TR_NOOP("停止图2"))},
            {"Command7", Kind::CommandButton, "Frame3",   2400, 4320, 735,  375,
             with().text(QT_TR_NOOP("清除")).tab(17).speaks(QT_TR_NOOP("清除"), QT_TR_NOOP("停止图3"))},

            // The rays and arrowhead strokes on the main canvas (design-time ends in twips).
            //                                           X1    Y1    X2    Y2
            {"Line1",    Kind::Line,          "Picture1", 1920, 2640, 4920, 2640, line(Black)},
            {"Line2",    Kind::Line,          "Picture1", 0,    1800, 15,   1815, line(Red)},
            {"Line3",    Kind::Line,          "Picture1", 0,    2400, -120, 2400, line(Red)},
            {"Line6",    Kind::Line,          "Picture1", 600,  2040, 3240, 2040, line(Green)},
            {"Line4",    Kind::Line,          "Picture1", 120,  0,    0,    0,    line(Red)},
            {"Line5",    Kind::Line,          "Picture1", 0,    0,    15,   15,   line(Red)},
            {"Line9",    Kind::Line,          "Picture1", 1200, 3000, 4200, 3000, line(Blue)},
            {"Line7",    Kind::Line,          "Picture1", 120,  0,    0,    0,    line(Red)},
            {"Line8",    Kind::Line,          "Picture1", 0,    0,    15,   15,   line(Red)},
        },
    };
    return spec;
}

} // namespace unitrix
