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
    static void start(angulon::Row &r, const QString &angle) { r.entry.setText(angle); r.button.click(); }
    void tick(const QString &names) { for (QChar n : names) row(form, n.toLatin1()).timer.tick(); }
    bool running() const { return form.Timer1.isEnabled() || form.Timer2.isEnabled() || form.Timer3.isEnabled(); }
    QString rays() const { return ends(form.Line1) + ends(form.Line6) + ends(form.Line9) + (running() ? "running" : "stopped"); }
};

// The window as it starts; then the rows side by side, each keeping its own
// angle while another starts, only α redrawing the plane; then clear stops
// them all, shows a fresh window and lets every row start afresh.
TEST_F(Rows, StartRowsSideBySideAndClear)
{
    EXPECT_EQ(rays(), "0,0 1.9,0; 0,0 1.9,0; 0,0 1.9,0; stopped");
    const QString drawn = text(form.Picture1.recorded());
    form.Picture1.clearRecorded();
    start(form.Beta, "120");
    start(form.Alpha, "30");
    EXPECT_EQ(text(form.Picture1.recorded()), drawn) << "only α redraws the plane";
    tick("aaab");
    start(form.Gamma, "-135");
    tick(QString("abc").repeated(80));
    EXPECT_EQ(rays(), "0,0 1.645,0.95; 0,0 -0.95,1.645; 0,0 -1.344,-1.344; stopped");
    angulon::Form1 fresh;
    for (const char *run : {"a300", "c-300", "b0"}) start(row(form, run[0]), run + 1);
    tick(QString("abc").repeated(10));
    window.click("Command2");
    EXPECT_EQ(window.grab().toImage(), fresh.window().grab().toImage());
    EXPECT_FALSE(running());
    for (char name : {'a', 'b', 'c'}) {
        start(row(form, name), "100");
        start(row(fresh, name), "100");
        EXPECT_EQ(turn(row(form, name), form.Picture1, 100, false), turn(row(fresh, name), fresh.Picture1, 100, false));
    }
}

struct Runs : Rows, testing::WithParamInterface<std::tuple<char, double, const char *>> {};

TEST_P(Runs, TurnMarkAndLandByTheirRowsLimits)
{
    const auto [name, angle, seen] = GetParam();
    start(row(form, name), QString::number(angle, 'g', 17));
    // Small angles show the ray at once: up to 6 either way for α, 3 for β, γ 6 above and 3 below.
    const double up = name == 'b' ? 3 : 6, down = name == 'a' ? 6 : 3;
    EXPECT_EQ(turn(row(form, name), form.Picture1, angle, (angle > 0 && angle <= up) || (angle < 0 && angle >= -down)), QString(seen));
}

// Each row's small angles either side of its limits and of its arc band, the
// exact last step either way, the axes landed on, the spiral bands.
const std::tuple<char, double, const char *> runs[] = {
    {'a', 6, "2 ticks, mark 0,0 to 0,0, ray 1.89,0.1986"}, {'a', -6, "2 ticks, mark 0,0 to 0,0, ray 1.89,-0.1986"},
    {'a', -7, "2 ticks, mark 0.2,0 to 0.1985,-0.02437, ray 1.886,-0.2316"},
    {'a', 7, "2 ticks, mark 0.2,0 to 0.1985,0.02437, ray 1.886,0.2316"},
    {'a', 360, "63 ticks, mark 0.2,0 to 0.2,-1.061e-06, arrow 5: 0.2211,-0.09346 0.1474,-0.06231, ray 1.9,0"},
    {'a', -90, "16 ticks, mark 0.2,0 to 2.654e-07,-0.2, arrow 5: 0.09346,-0.2211 0.06231,-0.1474, ray 0,-1.9"},
    {'a', 90.4, "16 ticks, mark 0.2,0 to -0.001396,0.2, arrow 5: 0.09192,0.2217 0.06128,0.1478, ray 0,1.9"},
    {'a', 180, "32 ticks, mark 0.2,0 to -0.2,5.307e-07, arrow 5: -0.2211,0.09346 -0.1474,0.06231, ray -1.9,0"},
    {'a', 11.459165581759557, "2 ticks, mark 0.2,0 to 0.199,0.01997, ray 1.862,0.3775"},
    {'a', 361, "64 ticks, mark 0.192,0 to 0.4944,0.008626, arrow 17: 0.5275,-0.04626 0.4483,-0.0351, ray 1.9,0.03315"},
    {'a', 1800, "315 ticks, mark 0.288,0 to 1.796,-4.766e-05, arrow 33: 1.818,-0.2084 1.738,-0.2058, ray 1.9,0"},
    {'b', 3, "1 ticks, mark 0,0 to 0,0 c65280, ray 1.897,0.09944"}, {'b', -3, "1 ticks, mark 0,0 to 0,0 c65280, ray 1.897,-0.09944"},
    {'b', 4, "1 ticks, mark 0.3,0 to 0.3,0 c65280, ray 1.895,0.1325"},
    {'b', -11.459165581759557, "2 ticks, mark 0.3,0 to 0.2985,-0.02995 c65280, ray 1.862,-0.3775, then L 0,0 1,0"},
    {'b', 30, "6 ticks, mark 0.3,0 to 0.2598,0.15 c65280, arrow 5: 0.3374,0.04192 0.258,0.03205, ray 1.645,0.95, then L 0,0 1,0"},
    {'b', 400, "70 ticks, mark 0.2,0 to 0.4206,0.3529 c65280, arrow 17: 0.4355,0.2457 0.5035,0.2879, ray 1.455,1.221, then L 0,0 1,0"},
    {'b', 0, "400 ticks, mark 0,0 to 0,0 c65280, ray 1.9,0, then L 0,0 1,0"},
    {'c', 5, "1 ticks, mark 0.4,0 to 0.4,0 c16711680, ray 1.893,0.1656"}, {'c', -3, "1 ticks, mark 0,0 to 0,0 c16711680, ray 1.897,-0.09944"},
    {'c', -4, "1 ticks, mark 0.4,0 to 0.4,0 c16711680, ray 1.895,-0.1325"},
    {'c', 30, "6 ticks, mark 0.4,0 to 0.3464,0.2 c16711680, arrow 5: 0.4366,0.05424 0.3573,0.04438, ray 1.645,0.95, then L 0,0 1,0"},
    {'c', -1080, "189 ticks, mark 0.312,0 to 1.292,2.057e-05 c16711680, arrow 33: 1.23,0.1893 1.31,0.1935, ray 1.9,0, then L 0,0 1,0"}};
INSTANTIATE_TEST_SUITE_P(Limits, Runs, testing::ValuesIn(runs));

TEST_F(Rows, BadEntriesAndEveryButtonByKeysAlone)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QString order = QApplication::focusWidget()->objectName();
    for (int i = 0; i < 8; ++i) press(Qt::Key_Tab), order += ' ' + QApplication::focusWidget()->objectName();
    EXPECT_EQ(order, "Picture1 Text1 Command1 Command2 Command3 Text2 Text3 Command4 Command5");
    QString seen;
    for (const char *angle : {"1800.000001", "-1800.5", "1e400", "－２０００", "1800", "-1800", " "}) {
        start(form.Gamma, angle);
        const bool refused = form.Text3.text().isEmpty() && QApplication::focusWidget() == &form.Text3 && form.Line9.isVisible();
        seen += (form.Timer3.isEnabled() ? "started " : refused ? "refused " : "neither ") + QString::number(form.AngleDeg, 'g', 12) + ", ";
    }
    EXPECT_EQ(seen, "refused 1800.000001, refused -1800.5, refused inf, refused -2000, started 1800, started -1800, started 0, ")
        << "the window keeps the last entry, even one refused";
    EXPECT_EQ(boxes.shown, QStringList(4, RangeMessage));
    start(form.Gamma, "");  // an empty entry stops the row
    start(form.Alpha, "");  // and shows the ray where it lies
    EXPECT_TRUE(!running() && ends(form.Line1) == "0,0 1.9,0; " && form.Line1.isVisible());
    form.Text2.setText("-60");
    keys({Qt::Key_Tab, Qt::Key_Space});  // from γ's entry, where the refusals left the focus, to β's button
    EXPECT_TRUE(form.Timer2.isEnabled());
    // Round past γ's button and the plane to α's entry, and on to its button.
    keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_4, Qt::Key_5, Qt::Key_Tab, Qt::Key_Return});
    EXPECT_EQ(turn(form.Alpha, form.Picture1, 45, false).left(8), "8 ticks,");
    keys({Qt::Key_Space});  // the focus passed on to clear as α's button was disabled
    EXPECT_FALSE(running() || form.Line6.isVisible());
    const QImage exit = form.Command3.grab().toImage();
    keys({Qt::Key_Tab});
    EXPECT_NE(form.Command3.grab().toImage(), exit) << "the focus shows on the exit button";
    start(form.Beta, "90");
    keys({Qt::Key_Return});
    EXPECT_TRUE(window.hasEnded() && !window.isVisible() && !form.Timer2.isEnabled());
}

} // namespace
