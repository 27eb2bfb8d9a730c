// The angle-formation window headless: start-up, the three rows tick by tick,
// side by side, bad entries, clear, and the keyboard path.
#include "form1.h"
#include "harness.h"

using namespace testing_support;

namespace {

struct Rows : testing::Test {
    RecordingFromStart recording;
    MessageBoxes boxes;
    angulon::Form1 form;
    forms::Form &window = form.window();

    static angulon::Row &row(angulon::Form1 &f, char name) { return name == 'a' ? f.Alpha : name == 'b' ? f.Beta : f.Gamma; }
    void start(char name, const QString &angle, angulon::Form1 *f = nullptr)
    {
        angulon::Row &r = row(f ? *f : form, name);
        r.entry.setText(angle);
        r.button.click();
    }
    void tick(const char *names)
    {
        for (const char *n = names; *n; ++n)
            row(form, *n).timer.tick();
    }
    static QString plane()
    {
        QString s = "S -2,2 2,-2; L -2,0 2,0; L 0,-2 0,2";
        for (const char *tip : {"1.94", "1.95", "1.96", "1.97", "1.98"})
            s += QString("; L 1.92,0.04 %1,0; L 1.92,-0.035 %1,0; L 0.035,1.92 0,%1; L -0.04,1.92 0,%1").arg(tip);
        return s + "; x at 1.9,-0.04 i; y at -0.15,2 i; O at -0.15,-0.04 i";
    }
};

TEST_F(Rows, StartWithThePlane)
{
    EXPECT_EQ(window.windowTitle(), "Rotavel");
    EXPECT_EQ(window.minimumSize(), QSize(610, 350));
    EXPECT_EQ(window.maximumSize(), QSize(610, 350));
    EXPECT_EQ(text(form.Picture1.recorded()), plane());
    EXPECT_EQ(ends(form.Line1) + ends(form.Line6) + ends(form.Line9), "0,0 1.9,0; 0,0 1.9,0; 0,0 1.9,0; ");
    EXPECT_EQ(count(form.Picture1.grab().toImage(), form.Picture1.rect(), Qt::green), 0) << "the rays wait hidden";
    // The buttons placed over the panel show above it, and the highlight
    // rectangle (line objects of the window, in twips) frames it.
    for (const char *name : {"Text1", "Command1", "Command2"})
        EXPECT_EQ(window.childAt(window.get<QWidget>(name).geometry().center()), &window.get<QWidget>(name));
    const QImage shown = window.grab().toImage();
    const QColor highlight = window.palette().color(QPalette::Highlight);
    EXPECT_GT(count(shown, {360, 46, 230, 2}, highlight, 0), 220) << "top, aliased like all lines";
    EXPECT_GT(count(shown, {350, 60, 2, 120}, highlight, 0), 110) << "left";
}

struct Turned {
    char row;
    double angle;
    const char *seen;
};
void PrintTo(const Turned &t, std::ostream *os) { *os << t.row << ' ' << t.angle; }
class Runs : public Rows, public testing::WithParamInterface<Turned> {};

TEST_P(Runs, TurnMarkAndLandByTheirRowsLimits)
{
    const auto [name, angle, seen] = GetParam();
    start(name, QString::number(angle, 'g', 17));
    // Small angles show the ray at once: up to 6 either way for α, 3 for β;
    // γ up to 6 above and 3 below.
    const double up = name == 'b' ? 3 : 6, down = name == 'a' ? 6 : 3;
    EXPECT_EQ(turn(row(form, name), form.Picture1, angle, (angle > 0 && angle <= up) || (angle < 0 && angle >= -down)),
              seen);
}

const Turned runs[] = {
    {'a', 5, "1 ticks, mark 0,0 to 0,0, ray 1.893,0.1656"},
    {'a', 6, "2 ticks, mark 0,0 to 0,0, ray 1.89,0.1986"},
    {'a', -6, "2 ticks, mark 0,0 to 0,0, ray 1.89,-0.1986"},
    {'a', 7, "2 ticks, mark 0.2,0 to 0.1985,0.02437, ray 1.886,0.2316"},
    {'a', 360, "63 ticks, mark 0.2,0 to 0.2,-1.061e-06, arrow 5: 0.2211,-0.09346 0.1474,-0.06231, ray 1.9,0"},
    {'a', -30, "6 ticks, mark 0.2,0 to 0.1732,-0.1, arrow 5: 0.2382,-0.02959 0.1588,-0.01973, ray 1.645,-0.95"},
    {'a', 90.4, "16 ticks, mark 0.2,0 to -0.001396,0.2, arrow 5: 0.09192,0.2217 0.06128,0.1478, ray 0,1.9"},
    {'a', 180, "32 ticks, mark 0.2,0 to -0.2,5.307e-07, arrow 5: -0.2211,0.09346 -0.1474,0.06231, ray -1.9,0"},
    {'a', 11.459165581759557, "2 ticks, mark 0.2,0 to 0.199,0.01997, ray 1.862,0.3775"},
    {'a', 361, "64 ticks, mark 0.192,0 to 0.4944,0.008626, arrow 17: 0.5275,-0.04626 0.4483,-0.0351, ray 1.9,0.03315"},
    {'a', 1800, "315 ticks, mark 0.288,0 to 1.796,-4.766e-05, arrow 33: 1.818,-0.2084 1.738,-0.2058, ray 1.9,0"},
    {'b', 3, "1 ticks, mark 0,0 to 0,0 c65280, ray 1.897,0.09944"},
    {'b', -3, "1 ticks, mark 0,0 to 0,0 c65280, ray 1.897,-0.09944"},
    {'b', 4, "1 ticks, mark 0.3,0 to 0.3,0 c65280, ray 1.895,0.1325"},
    {'b', -11.459165581759557, "2 ticks, mark 0.3,0 to 0.2985,-0.02995 c65280, ray 1.862,-0.3775, then L 0,0 1,0"},
    {'b', 30, "6 ticks, mark 0.3,0 to 0.2598,0.15 c65280, arrow 5: 0.3374,0.04192 0.258,0.03205, ray 1.645,0.95, "
              "then L 0,0 1,0"},
    {'b', 400, "70 ticks, mark 0.2,0 to 0.4206,0.3529 c65280, arrow 17: 0.4355,0.2457 0.5035,0.2879, ray 1.455,1.221, "
               "then L 0,0 1,0"},
    {'b', 0, "400 ticks, mark 0,0 to 0,0 c65280, ray 1.9,0, then L 0,0 1,0"},
    {'c', 0.4, "1 ticks, mark 0,0 to 0,0 c16711680, ray 1.9,0.01326"},
    {'c', 5, "1 ticks, mark 0.4,0 to 0.4,0 c16711680, ray 1.893,0.1656"},
    {'c', -3, "1 ticks, mark 0,0 to 0,0 c16711680, ray 1.897,-0.09944"},
    {'c', -4, "1 ticks, mark 0.4,0 to 0.4,0 c16711680, ray 1.895,-0.1325"},
    {'c', 30, "6 ticks, mark 0.4,0 to 0.3464,0.2 c16711680, arrow 5: 0.4366,0.05424 0.3573,0.04438, ray 1.645,0.95, "
              "then L 0,0 1,0"},
    {'c', -1080, "189 ticks, mark 0.312,0 to 1.292,2.057e-05 c16711680, arrow 33: 1.23,0.1893 1.31,0.1935, ray 1.9,0, "
                 "then L 0,0 1,0"},
    {'c', 1800, "315 ticks, mark 0.312,0 to 1.946,-5.163e-05 c16711680, arrow 33: 1.967,-0.2256 1.887,-0.2231, "
                "ray 1.9,0, then L 0,0 1,0"}};
INSTANTIATE_TEST_SUITE_P(Limits, Runs, testing::ValuesIn(runs));

// Each row keeps its own angle: another started, or refused, meanwhile does
// not steer it. Only α redraws the plane.
TEST_F(Rows, RowsSideBySideEachKeepTheirCourse)
{
    form.Picture1.clearRecorded();
    start('b', "120");
    EXPECT_EQ(text(form.Picture1.recorded()), "");
    start('a', "30");
    EXPECT_EQ(text(form.Picture1.recorded()), plane());
    tick("aa");
    tick("ab");
    start('c', "5000");
    EXPECT_EQ(boxes.shown, QStringList{RangeMessage});
    EXPECT_EQ(form.AngleDeg, 5000);  // the window keeps the last entry
    start('c', "-135");
    for (int i = 0; i < 80; ++i)
        tick("abc");
    EXPECT_FALSE(form.Timer1.isEnabled() || form.Timer2.isEnabled() || form.Timer3.isEnabled());
    EXPECT_EQ(ends(form.Line1) + ends(form.Line6) + ends(form.Line9), "0,0 1.645,0.95; 0,0 -0.95,1.645; 0,0 -1.344,-1.344; ");
}

TEST_F(Rows, ClearShowsAFreshWindowAndRunsStartAfresh)
{
    angulon::Form1 fresh;
    start('a', "300");
    start('c', "-300");
    start('b', "0");
    for (int i = 0; i < 10; ++i)
        tick("abc");
    window.click("Command2");
    EXPECT_EQ(window.grab().toImage(), fresh.window().grab().toImage());
    EXPECT_FALSE(form.Timer1.isEnabled() || form.Timer2.isEnabled() || form.Timer3.isEnabled());
    for (char name : {'a', 'b', 'c'}) {
        start(name, "100");
        start(name, "100", &fresh);
        EXPECT_EQ(turn(row(form, name), form.Picture1, 100, false), turn(row(fresh, name), fresh.Picture1, 100, false));
    }
}

TEST_F(Rows, AnAngleBeyondTheRangeIsRefusedWithTheMessage)
{
    window.show();
    QApplication::setActiveWindow(&window);
    for (const char *angle : {"1800.000001", "-1800.5", "1e400", "－２０００"}) {
        start('c', angle);
        EXPECT_EQ(boxes.shown, QStringList{RangeMessage}) << angle;
        EXPECT_EQ(QApplication::focusWidget(), &form.Text3);
        EXPECT_TRUE(form.Text3.text().isEmpty() && !form.Timer3.isEnabled() && form.Line9.isVisible());
        boxes.shown.clear();
    }
    for (const char *angle : {"1800", "-1800", " "}) {
        start('c', angle);
        EXPECT_TRUE(form.Timer3.isEnabled() && boxes.shown.isEmpty()) << angle;
    }
    start('c', "");  // an empty entry stops the row
    start('a', "");  // and shows the ray where it lies
    EXPECT_TRUE(!form.Timer3.isEnabled() && !form.Timer1.isEnabled() && ends(form.Line1) == "0,0 1.9,0; " && form.Line1.isVisible());
}

TEST_F(Rows, EveryRowClearAndExitByKeysAlone)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 8; ++i) {
        press(Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order.join(' '), "Picture1 Text1 Command1 Command2 Command3 Text2 Text3 Command4 Command5");
    form.Text3.setText("-60");
    press(Qt::Key_Space, " ");
    EXPECT_TRUE(form.Timer3.isEnabled());
    form.Text1.setFocus();
    press(0, "4"), press(0, "5"), press(Qt::Key_Tab), press(Qt::Key_Return);
    EXPECT_EQ(turn(form.Alpha, form.Picture1, 45, false).left(8), "8 ticks,");
    form.Command2.setFocus();
    press(Qt::Key_Space, " ");
    EXPECT_FALSE(form.Timer3.isEnabled() || form.Line9.isVisible());
    const QImage exit = form.Command3.grab().toImage();
    const forms::Picture face(":/angulon/exit_up.svg");  // in the middle of the button
    const QSize room = form.Command3.size() - face.size();
    EXPECT_EQ(exit.convertToFormat(QImage::Format_ARGB32_Premultiplied), painted(form.Command3, face, {room.width() / 2.0, room.height() / 2.0}));
    form.Command3.setFocus();
    EXPECT_NE(form.Command3.grab().toImage(), exit) << "the focus shows on the exit button";
    start('b', "90");
    press(Qt::Key_Return);
    EXPECT_TRUE(window.hasEnded() && !window.isVisible() && !form.Timer2.isEnabled());
}

} // namespace
