#include "form1.h"
#include "harness.h"

#include <QApplication>
#include <gtest/gtest.h>

using forms::DrawCall;
using Op = forms::DrawCall::Op;

namespace {

struct Startup : testing::Test {
    testing_support::RecordingFromStart recording;
    unitrix::Form1 form;
    forms::Form &window = form.window();
};

// The unit circle, axes, letters and tick labels, in the order drawn.
const std::vector<DrawCall> startupFigure{
    {Op::Scale, -2, 2, 2, -2},
    {Op::Line, -2, 0, 1.9f, 0},
    {Op::Line, 0, -2, 0, 1.9f},
    {Op::Line, 2, 0, 1.9f, 0.05f},
    {Op::Line, 2, 0, 1.9f, -0.05f},
    {Op::Line, 1.9f, -0.05f, 1.9f, 0.05f},
    {Op::Line, 0, 2, 0.04f, 1.9f},
    {Op::Line, 0, 2, -0.04f, 1.9f},
    {Op::Line, -0.04f, 1.9f, 0.04f, 1.9f},
    {Op::Print, 1.9f, -0.04f, 0, 0, 0, 0, "x", true},
    {Op::Print, -0.15f, 2.05f, 0, 0, 0, 0, "y", true},
    {Op::Print, -0.15f, -0.04f, 0, 0, 0, 0, "O", true},
    {Op::Circle, 0, 0, 1.7f},
    {Op::Print, 1.75f, -0.04f, 0, 0, 0, 0, "1", false},
    {Op::Print, -1.85f, -0.04f, 0, 0, 0, 0, "-1", false},
    {Op::Print, -0.1f, 1.88f, 0, 0, 0, 0, "1", false},
    {Op::Print, -0.2f, -1.75f, 0, 0, 0, 0, "-1", false},
};

TEST_F(Startup, TheWindowIsFixedAtItsClientSize)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zentrak"));
    EXPECT_EQ(window.size(), QSize(740, 559));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(Startup, LoadDrawsTheUnitCircleFigure)
{
    EXPECT_EQ(form.Picture1.recorded(), startupFigure);
    EXPECT_TRUE(form.Picture2.recorded().empty());
    EXPECT_TRUE(form.Picture3.recorded().empty());
    EXPECT_EQ(form.Picture1.DrawStyle, 0);
    EXPECT_FALSE(form.Picture1.FontItalic);
}

TEST_F(Startup, RaysWaitHiddenOnThePositiveXAxis)
{
    for (forms::LineObject *ray : {&form.Line1, &form.Line6, &form.Line9}) {
        EXPECT_FALSE(ray->isVisible());
        EXPECT_EQ(std::tuple(ray->X1(), ray->Y1(), ray->X2(), ray->Y2()), std::tuple(0.f, 0.f, 1.9f, 0.f));
    }
    for (forms::LineObject *stroke : {&form.Line2, &form.Line3, &form.Line4, &form.Line5, &form.Line7, &form.Line8})
        EXPECT_FALSE(stroke->isVisible());
    EXPECT_EQ(std::tuple(form.Line3.X1(), form.Line3.Y1(), form.Line3.X2()), std::tuple(0.f, 2400.f, -120.f));
}

TEST_F(Startup, ControlsStartEmptyWithTheirCaptions)
{
    struct Expect {
        QLabel *label;
        const char *caption;
    };
    const Expect captions[] = {
        {&form.Label3, "以OP为终边的角的正弦:sinα="}, {&form.Label5, "以OP为终边的角的余弦:cosα="},
        {&form.Label7, "以OP为终边的角的正切:tanα="}, {&form.Label9, "以OQ为终边的角的正弦"},
        {&form.Label10, "以OQ为终边的角的余弦"},       {&form.Label11, "以OQ为终边的角的正切"},
        {&form.Label4, ""}, {&form.Label6, ""}, {&form.Label8, ""},
        {&form.Label12, ""}, {&form.Label13, ""}, {&form.Label14, ""},
    };
    for (const auto &[label, caption] : captions)
        EXPECT_EQ(label->text(), QString::fromUtf8(caption)) << label->objectName().toStdString();
    EXPECT_EQ(window.get<QLabel>("Label15").text(), QStringLiteral("选择公式类型"));
    for (QLineEdit *entry : {&form.Text1, &form.Text2, &form.Text3})
        EXPECT_TRUE(entry->text().isEmpty());
    for (QPushButton *button : {&form.Command1, &form.Command2, &form.Command3, &form.Command4, &form.Command5,
                                &form.Command6, &form.Command7})
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    for (forms::Timer *timer : {&form.Timer1, &form.Timer2, &form.Timer3})
        EXPECT_FALSE(timer->isEnabled());
    EXPECT_EQ(form.Picture4.height(), 1);  // the list is closed
    EXPECT_TRUE(form.Image16.picture().isNull());
    EXPECT_EQ(form.FormulaType, 0);
    EXPECT_FALSE(form.BetaDeg.has_value());
    EXPECT_EQ(std::tuple(form.AlphaDeg, form.AxisCase, form.QFlag), std::tuple(0.0, short(0), short(0)));
}

TEST_F(Startup, HiddenControlsLieOutsideWhatIsSeenButStayInTheTabOrder)
{
    const QRect client = window.rect();
    for (const char *name : {"Picture2", "Picture3", "Frame2", "Frame3"})
        EXPECT_FALSE(client.intersects(window.get<QWidget>(name).geometry())) << name;
    QWidget &frame1 = window.get<QWidget>("Frame1");
    for (const char *name : {"Text2", "Text3", "Command4", "Command5"})
        EXPECT_FALSE(frame1.rect().intersects(window.get<QWidget>(name).geometry())) << name;

    QStringList order;
    for (QWidget *w : window.tabOrder())
        order << w->objectName();
    EXPECT_EQ(order, QStringList({"Picture1", "Text1", "Command1", "Command2", "Command3", "Picture2", "Picture3",
                                  "Text2", "Text3", "Command4", "Command5", "Command6", "Command7", "Picture4",
                                  "Picture5", "Picture6"}));
}

TEST_F(Startup, TheSelectionBoxCoversTheLabelBeneathIt)
{
    window.show();
    const QImage shown = window.grab().toImage();
    const QRect label(384 + 8, 40 + 272, 105, 25);  // Label15 in window coordinates
    int red = 0;
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    EXPECT_EQ(red, 0) << "the text of Label15 shows";
}

TEST_F(Startup, TheFigureSurvivesBeingCovered)
{
    window.show();
    const QImage before = form.Picture1.grab().toImage();
    window.hide();
    window.show();
    EXPECT_EQ(form.Picture1.grab().toImage(), before);
}

} // namespace

namespace {

// The window's own texts are drawn without fallback faces, so each must be
// wholly in the face it names: captions of every formula, and the letters.
TEST_F(Startup, EveryCaptionIsInItsOwnFace)
{
    for (const char *item : {"Image12", "Image13", "Image14"}) {  // all the captions a choice can set
        window.click("Picture6");
        window.click(item);
        for (QWidget *w : window.findChildren<QWidget *>()) {
            QString text;
            if (auto *label = qobject_cast<QLabel *>(w))
                text = label->text();
            else if (auto *button = qobject_cast<QPushButton *>(w))
                text = button->text();
            const QFontMetrics metrics(w->font());
            for (QChar c : text)
                EXPECT_TRUE(metrics.inFont(c)) << w->objectName().toStdString() << " lacks U+" << std::hex << int(c.unicode());
        }
    }
    const QFontMetrics canvas(QFont(QStringLiteral("Times New Roman")));
    for (QChar c : QStringLiteral("xyO1-P(cosa,sina)Q(-cosa,-sina)"))
        EXPECT_TRUE(canvas.inFont(c));
}

} // namespace
