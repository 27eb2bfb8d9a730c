// The angle-formation window headless: start-up, the three rows tick by tick,
// side by side, bad entries, clear, and the keyboard path.
#include "form1.h"
#include "harness.h"

using namespace testing_support;

namespace {

const Bands &bands(char name) { return name == 'a' ? RowAlpha : name == 'b' ? RowBeta : RowGamma; }

struct Rows : testing::Test {
    RecordingFromStart recording;
    MessageBoxes boxes;
    angulon::Form1 form;
    forms::Form &window = form.window();

    static angulon::Form1::Row &row(angulon::Form1 &f, char name) { return name == 'a' ? f.Alpha : name == 'b' ? f.Beta : f.Gamma; }
    static void start(angulon::Form1::Row &r, const QString &angle) { r.entry.setText(angle); r.button.click(); }
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
    EXPECT_TRUE(drawn.endsWith("x at 1.9,-0.04 i; y at -0.15,2 i; O at -0.15,-0.04 i")) << "the letters italic";
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
    for (char name : {'a', 'b', 'c'}) start(row(form, name), "");
    EXPECT_EQ(rays(), "0,0 1.9,0; 0,0 1.9,0; 0,0 1.9,0; stopped") << "an empty row shows its ray on the x-axis";
    for (char name : {'a', 'b', 'c'}) {
        start(row(form, name), "100");
        EXPECT_EQ(watch(onWindow(row(form, name)), bands(name), 100), "") << "a row starts afresh after a clear";
    }
}

// Each row turns by its band at every whole angle either way.
class EveryAngle : public Rows, public testing::WithParamInterface<char> {};

TEST_P(EveryAngle, MarksByItsBand)
{
    QString broken;
    for (int deg = -1800; deg <= 1800 && broken.isEmpty(); ++deg)
        if (deg) window.click("Command2"), start(row(form, GetParam()), QString::number(deg)), broken = watch(onWindow(row(form, GetParam())), bands(GetParam()), deg);
    EXPECT_EQ(broken, "");
}
INSTANTIATE_TEST_SUITE_P(Rows, EveryAngle, testing::Values('a', 'b', 'c'));

// Return or keypad Enter in a row's entry does what its "确定" does while that
// is enabled, and nothing once it is not.
TEST_F(Rows, ReturnInAnEntryPressesItsButton)
{
    for (char name : {'a', 'b', 'c'}) {
        row(form, name).entry.setText("100");
        press(name == 'b' ? Qt::Key_Enter : Qt::Key_Return, {}, {}, &row(form, name).entry);
        const bool started = row(form, name).timer.isEnabled();
        tick(QString(2, QChar(name)));
        const double turned = row(form, name).motion.rayAngle();
        press(Qt::Key_Enter, {}, {}, &row(form, name).entry);
        EXPECT_TRUE(started && row(form, name).motion.rayAngle() == turned) << name;
    }
}

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
        seen += (form.Timer3.isEnabled() ? "started " + QString::number(form.Gamma.motion.target()) : refused ? "refused" : "neither") + ", ";
    }
    EXPECT_EQ(seen, "refused, refused, refused, refused, started 1800, started -1800, started 0, ");
    EXPECT_EQ(boxes.shown, QStringList(4, RangeMessage));
    start(form.Gamma, "");  // an empty entry stops the row
    start(form.Alpha, "");  // and shows the ray where it lies
    EXPECT_TRUE(!running() && ends(form.Line1) == "0,0 1.9,0; " && form.Line1.isVisible());
    form.Text2.setText("-60");
    keys({Qt::Key_Tab, Qt::Key_Space});  // from γ's entry, where the refusals left the focus, to β's button
    EXPECT_TRUE(form.Timer2.isEnabled());
    // Round past γ's button and the plane to α's entry, and on to its button.
    keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_4, Qt::Key_5, Qt::Key_Tab, Qt::Key_Enter});
    EXPECT_EQ(watch(onWindow(form.Alpha), RowAlpha, 45), "");
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
