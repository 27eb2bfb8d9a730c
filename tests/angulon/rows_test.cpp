// The angle-formation window headless: the rows side by side, clear, bad
// entries and the keyboard path. (Each row's turn at every angle: the core's
// tests; the look: the reference pictures.)
#include "form1.h"
#include "harness.h"

using namespace testing_support;

namespace {

struct Rows : testing::Test {
    MessageBoxes boxes;
    angulon::Form1 form;
    forms::Form &window = form.window();

    angulon::Form1::Row &row(char name) { return name == 'a' ? form.Alpha : name == 'b' ? form.Beta : form.Gamma; }
    void start(char name, const QString &angle) { row(name).entry.setText(angle), row(name).button.click(); }
    void tick(const QString &names) { for (QChar n : names) row(n.toLatin1()).timer.tick(); }
    bool running() const { return form.Timer1.isEnabled() || form.Timer2.isEnabled() || form.Timer3.isEnabled(); }
    QString rays() const {
        return ends(form.Line1) + ends(form.Line6) + ends(form.Line9) + (running() ? "running" : "stopped");
    }
};

// Rows side by side each keep their own angle while another starts, and only
// α redraws the plane (as "清除" draws it); "清除" stops them all, shows the
// window as it started and lets every row start afresh; an empty row shows
// its ray on the x-axis.
TEST_F(Rows, TurnSideBySideUntilCleared)
{
    angulon::Form1 fresh;
    form.Picture1.setRecording(true);
    window.click("Command2");
    const std::vector<forms::DrawCall> plane(form.Picture1.recorded().begin() + 1, form.Picture1.recorded().end());
    form.Picture1.clearRecorded();
    start('b', "120"), start('a', "30");
    EXPECT_TRUE(form.Picture1.recorded() == plane) << "only α redraws the plane, over the marks";
    tick("aaab"), start('c', "-135"), tick(QString("abc").repeated(80));
    EXPECT_EQ(rays(), "0,0 1.645,0.95; 0,0 -0.95,1.645; 0,0 -1.344,-1.344; stopped");
    for (const char *run : {"a300", "c-300", "b0"}) start(run[0], run + 1);
    tick(QString("abc").repeated(10)), window.click("Command2");
    EXPECT_TRUE(window.grab().toImage() == fresh.window().grab().toImage() && !running());
    for (char name : {'a', 'b', 'c'}) start(name, "");
    EXPECT_EQ(rays(), "0,0 1.9,0; 0,0 1.9,0; 0,0 1.9,0; stopped");
    for (const auto &[name, bands] : {std::pair('a', &RowAlpha), std::pair('b', &RowBeta), std::pair('c', &RowGamma)}) {
        start(name, "100");
        EXPECT_EQ(watch(onWindow(row(name)), *bands, 100), "") << "a row starts afresh";
    }
}

// Return or keypad Enter in a row's entry does what its "确定" does while that
// is enabled, and nothing once it is not.
TEST_F(Rows, ReturnInAnEntryPressesItsButton)
{
    for (char name : {'a', 'b', 'c'}) {
        row(name).entry.setText("100");
        QTest::keyClick(&row(name).entry, name == 'b' ? Qt::Key_Enter : Qt::Key_Return);
        const bool started = row(name).timer.isEnabled();
        tick(QString(2, QChar(name)));
        const double turned = row(name).motion.rayAngle();
        QTest::keyClick(&row(name).entry, Qt::Key_Enter);
        EXPECT_TRUE(started && row(name).motion.rayAngle() == turned) << name;
    }
}

// Angles past the range are refused, whatever the form they are typed in; the
// keys reach every control in order and press every button.
TEST_F(Rows, WorkByKeyboard)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QString order = QApplication::focusWidget()->objectName(), seen;
    for (int i = 0; i < 8; ++i) keys({Qt::Key_Tab}), order += ' ' + QApplication::focusWidget()->objectName();
    EXPECT_EQ(order, "Picture1 Text1 Command1 Command2 Command3 Text2 Text3 Command4 Command5");
    for (const char *angle : {"1800.000001", "-1800.5", "1e400", "－２０００", "1800", "-1800", " "}) {
        start('c', angle);
        const bool refused = form.Text3.text().isEmpty() && QApplication::focusWidget() == &form.Text3;
        const QString started = "started " + QString::number(form.Gamma.motion.target());
        seen += (form.Timer3.isEnabled() ? started : refused ? "refused" : "") + ", ";
    }
    EXPECT_EQ(seen, "refused, refused, refused, refused, started 1800, started -1800, started 0, ");
    EXPECT_EQ(boxes.shown, QStringList(4, RangeMessage));
    start('c', ""), start('a', "");  // an empty entry stops the row and shows the ray where it lies
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
    start('b', "90"), keys({Qt::Key_Return});
    EXPECT_TRUE(window.hasEnded() && !window.isVisible() && !form.Timer2.isEnabled());
}

} // namespace
