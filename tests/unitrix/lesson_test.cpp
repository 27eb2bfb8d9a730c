// The reduction-formula window headless: start-up, a lesson tick by tick with
// its read-outs and marks, the hidden figures, bad entries, reset, and the
// keyboard and screen-reader paths.
#include "form1.h"
#include "harness.h"

#include <QAccessible>

using namespace testing_support;

namespace {

struct Lesson : testing::Test {
    RecordingFromStart recording;
    MessageBoxes boxes;
    unitrix::Form1 form;
    forms::Form &window = form.window();

    void choose(int type) { window.click("Picture6"), window.click(QString("Image1%1").arg(type + 1)); }
    static void enter(QLineEdit &entry, const QString &angle, const char *button) { entry.setText(angle), static_cast<forms::Form *>(entry.window())->click(button); }
    static void ticks(int n, std::initializer_list<forms::Timer *> timers) { while (n-- > 0) std::ranges::for_each(timers, &forms::Timer::tick); }
    // P's read-outs | the angle of OQ handed over | Q's read-outs.
    QString told() const
    {
        return QString("%1 %2 %3 | %4 | %5 %6 %7").arg(form.Label4.text(), form.Label6.text(), form.Label8.text(), form.Text2.text(),
                                                       form.Label12.text(), form.Label13.text(), form.Label14.text());
    }
    // Where P's and Q's texts stand, as a teacher judges them: at their places
    // (P's at (1.5 cos α, 1.7 sin α), Q's by the direction OQ turned); at the
    // edge, moved sideways at their height to stand whole 3 to 6 pixels in; or
    // moved off a text they would cover, but near their place. Whether any is
    // cut or over another, in its ink, the sweep of every angle tells.
    QString marks(double alpha)
    {
        const double a = alpha * 3.14159 / 180, w = form.BetaDeg.value_or(0) * 3.14159 / 180;
        QString told;
        for (const forms::DrawCall &c : std::vector(form.Picture1.recorded()))
            if (c.op == forms::DrawCall::Op::Print && c.text.contains('(') && !told.contains(c.text)) {
                const QPointF place = c.text[0] == 'P' ? QPointF(1.5 * std::cos(a), 1.7 * std::sin(a))
                                    : w == 0           ? QPointF(1.5, 0.2)
                                                       : QPointF(1.8 * std::cos(w) - (w > 0 ? 0.5 : 0), 1.7 * std::sin(w));
                const QRect ink = form.Picture1.inkOf(c.text, c.x1, c.y1);
                const int edge = std::min(ink.left(), form.Picture1.clientArea().width() - 1 - ink.right());
                const QPointF off = QPointF(c.x1, c.y1) - place;
                told += ' ' + c.text + (std::hypot(off.x(), off.y()) < 1e-4                ? " at its place"
                                        : std::abs(off.y()) < 1e-4 && edge >= 3 && edge <= 6 ? " at the edge"
                                        : std::abs(off.y()) < 0.6                              ? " moved"
                                                                                               : " far off");
            }
        return told;
    }
};

const QString Cross = "S -2,2 2,-2; L -2,0 1.9,0; L 0,-2 0,1.9; L 2,0 1.9,0.05; L 2,0 1.9,-0.05; L 1.9,-0.05 1.9,0.05; "
                      "L 0,2 0.04,1.9; L 0,2 -0.04,1.9; L -0.04,1.9 0.04,1.9; x at 1.9,-0.04 i; ";

// The letters italic, the ticks upright, the circle after the axes.
TEST_F(Lesson, StartsWithTheUnitCircle)
{
    EXPECT_EQ(text(form.Picture1.recorded()), Cross + "y at -0.15,2.05 i; O at -0.15,-0.04 i; C 0,0 1.7; 1 at 1.75,-0.04; "
                                                      "-1 at -1.85,-0.04; 1 at -0.1,1.88; -1 at -0.2,-1.75");
    EXPECT_FALSE(window.windowIcon().isNull());
}

// One figure's run: P for α, Q after P's finish for the chosen formula, or figure 3.
struct Turned { char figure; int type; const char *angle, *seen; };
void PrintTo(const Turned &r, std::ostream *os) { *os << r.figure << r.type << ' ' << r.angle; }
class Runs : public Lesson, public testing::WithParamInterface<Turned> {};

TEST_P(Runs, TurnMarkAndLand)
{
    const auto [figure, type, angle, seen] = GetParam();
    const double deg = QString(angle).toDouble();
    if (figure == 'Q') choose(type);
    enter(figure == 'T' ? form.Text3 : form.Text1, angle, figure == 'T' ? "Command5" : "Command1");
    if (figure == 'Q') runToEnd(form.Timer1);
    unitrix::Figure &f = figure == 'P' ? form.P : figure == 'Q' ? form.Q : form.Third;
    EXPECT_EQ(turn(f, form.Picture1, figure == 'Q' ? form.BetaDeg.value() : deg, figure != 'Q' && std::fabs(deg) <= 6), seen);
}

const Turned runs[] = {
    {'P', 0, "5", "1 ticks, mark 0,0 to 0,0, ray 1.893,0.1656"},
    {'P', 0, "6", "2 ticks, mark 0,0 to 0,0, ray 1.89,0.1986"},
    {'P', 0, "-6", "2 ticks, mark 0,0 to 0,0, ray 1.89,-0.1986"},
    {'P', 0, "7", "2 ticks, mark 0.1,0 to 0.09925,0.01219, ray 1.886,0.2316"},
    {'P', 0, "361", "64 ticks, mark 0.08,0 to 0.206,0.003594, arrow 17: 0.2627,-0.02532 0.1439,-0.00858, ray 1.9,0.03315"},
    {'P', 0, "-1080", "189 ticks, mark 0.12,0 to 0.497,7.913e-06, arrow 33: 0.4286,0.07043 0.5484,0.07679, ray 1.9,0"},
    {'Q', 1, "30", "37 ticks, mark 0.2,0 to -0.1732,-0.1 c65280 dotted, arrow 5: -0.2499,-0.005898 -0.15,-0.003539, "
                   "ray -1.645,-0.95, then L 0,0 1,0 dotted"},
    {'Q', 2, "-300", "84 ticks, mark 0.16,0 to -0.2475,0.4288 c65280 dotted, arrow 17: -0.1419,0.4039 -0.1891,0.5142, "
                     "ray -0.95,1.645, then L 0,0 1,0 dotted"},
    {'Q', 3, "90", "16 ticks, mark 0.2,0 to 2.654e-07,-0.2 c65280 dotted, arrow 5: 0.1199,-0.2194 0.07191,-0.1316, "
                   "ray 0,-1.9, then L 0,0 1,0 dotted"},
    {'T', 0, "360", "63 ticks, mark 0.3,0 to 0.3,-1.592e-06 c16711680, arrow 5: 0.3072,-0.1678 0.2194,-0.1199, ray 1.9,0, then L 0,0 1,0"},
    {'T', 0, "-180", "32 ticks, mark 0.3,0 to -0.3,-7.961e-07 c16711680, arrow 5: -0.3072,-0.1678 -0.2194,-0.1199, ray -1.9,0, then L 0,0 1,0"},
    {'T', 0, "0.4", "1 ticks, mark 0,0 to 0,0 c16711680, ray 1.9,0.01326"},
    {'T', 0, "-11.459165581759557", "2 ticks, mark 0.3,0 to 0.2985,-0.02995 c16711680, ray 1.862,-0.3775, then L 0,0 1,0"}};
INSTANTIATE_TEST_SUITE_P(Figures, Runs, testing::ValuesIn(runs));

// α through to the end of Q: the read-outs and the angle handed over, the
// texts that mark P and Q, whether a ray still turns, and any message.
class ReadOuts : public Lesson, public testing::WithParamInterface<std::tuple<int, const char *, const char *>> {};

TEST_P(ReadOuts, OfPThenQ)
{
    const auto [type, alpha, seen] = GetParam();
    if (type) choose(type);
    form.Picture1.clearRecorded();
    enter(form.Text1, alpha, "Command1");
    const bool turning = runToEnd(form.Timer1, 400) < 0 || (form.Timer2.isEnabled() && runToEnd(form.Timer2, 400) < 0);
    EXPECT_EQ(told() + marks(QString(alpha).toDouble()) + (turning ? " turning" : "") +
                  (boxes.shown == QStringList{RangeMessage} ? " range message, " + window.focusWidget()->objectName() : boxes.shown.join(' ')),
              seen);
}

// P's and Q's texts, cut at their places, move to the edge (Q's also at 0°,
// under 180°+α too); over another text, they move off it.
INSTANTIATE_TEST_SUITE_P(
    Lessons, ReadOuts,
    testing::Values(
        std::tuple(1, "30", "0.5 0.866 0.5774 | 210 | -0.5 -0.866 0.5774 P(cosa,sina) at the edge Q(-cosa,-sina) at the edge"),
        std::tuple(2, "30", "0.5 0.866 0.5774 | 150 | 0.5 -0.866 -0.5774 P(cosa,sina) at the edge Q(-cosa,sina) at the edge"),
        std::tuple(3, "30", "0.5 0.866 0.5774 | -30 | -0.5 0.866 -0.5774 P(cosa,sina) at the edge Q(cosa,-sina) at the edge"),
        // reached by the forward step, Q's text still names -sina
        std::tuple(3, "-30", "-0.5 0.866 -0.5774 | 30 | 0.5 0.866 0.5774 P(cosa,sina) at the edge Q(cosa,-sina) at the edge"),
        std::tuple(1, "-300", "0.866 0.5 1.732 | -120 | -0.866 -0.5 1.732 P(cosa,sina) at its place Q(-cosa,-sina) at its place"),
        std::tuple(2, "120", "0.866 -0.5 -1.732 | 60 | 0.866 0.5 1.732 P(cosa,sina) at its place Q(-cosa,sina) at its place"),
        // Q's text over P's, the tick 1 or the letter x, over P's and -1, over -1
        std::tuple(2, "90", "1 0 不存在 | 90 | 1 0 不存在 P(cosa,sina) at its place Q(-cosa,sina) moved"),
        std::tuple(2, "-270", "1 0 不存在 | 450 | 1 0 不存在 P(cosa,sina) at its place Q(-cosa,sina) moved"),
        std::tuple(1, "180", "0 -1 0 | 360 | 0 1 0 P(cosa,sina) at its place Q(-cosa,-sina) moved"),
        std::tuple(3, "-180", "0 -1 0 | 180 | 0 -1 0 P(cosa,sina) at its place Q(cosa,-sina) moved"),
        // a cosine read-out of 0 has no quotient, its angle listed or not
        std::tuple(3, "-1710", "1 0 不存在 | 1710 | -1 0 不存在 P(cosa,sina) at its place Q(cosa,-sina) moved"),
        // and so has Q's then, though its cosine reads -0.0001
        std::tuple(1, "89.99725", "1 0 不存在 | 269.99725 | -1 -0.0001 不存在 P(cosa,sina) at its place Q(-cosa,-sina) moved"),
        std::tuple(2, "180", "0 -1 0 | 0 | 0 1 0 P(cosa,sina) at its place Q(-cosa,sina) at the edge turning"),
        std::tuple(1, "-180", "0 -1 0 | 0 | 0 1 0 P(cosa,sina) at its place Q(-cosa,-sina) at the edge turning"),
        // P's text over the tick 1 and the letter x, and Q's then over P's
        std::tuple(3, "1800", "0 1 0 | -1800 | 0 1 0 P(cosa,sina) moved Q(cosa,-sina) moved"),
        std::tuple(2, "0", "0 1 0 |  | 0 -1 0 turning"), std::tuple(3, "0", "0 1 0 |  | 0 1 0 turning"),
        std::tuple(1, "0", "0 1 0 |  | 0 -1 0 turning"), std::tuple(0, "-1800", "0 1 0 |  |    P(cosa,sina) moved"),
        std::tuple(1, "1700", "-0.9848 -0.1737 5.6695 |  |    P(cosa,sina) moved range message, Text2"),
        std::tuple(1, "1800.0001", "   |  |    range message, Text1"), std::tuple(2, "-1800.0000000001", "   |  |    range message, Text1")));

// An empty entry and the clear buttons of figures 2 and 3 stop what runs;
// "清除" too (its picture is among the reference pictures).
TEST_F(Lesson, ResetAndClearStopWhatRunsAndEachRunKeepsItsOwnCourse)
{
    choose(1);
    enter(form.Text1, "30", "Command1");
    enter(form.Text3, "100", "Command5");
    enter(form.Text1, "", "Command1");  // an empty entry stops the run again
    enter(form.Text3, "", "Command5");
    EXPECT_FALSE(form.Timer1.isEnabled() || form.Timer3.isEnabled());
    enter(form.Text1, "30", "Command1");
    runToEnd(form.Timer1);
    enter(form.Text3, "-45", "Command5");
    ticks(6, {&form.Timer2, &form.Timer3});  // Q, started by P's finish, and figure 3 show their arrowheads
    window.click("Command6");
    window.click("Command7");
    EXPECT_FALSE(form.Timer2.isEnabled() || form.Timer3.isEnabled());
    EXPECT_EQ(form.Text2.text() + form.Text3.text() + ends(form.Line6) + ends(form.Line4) + ends(form.Line9) + ends(form.Line8),
              "0,0 1.9,0; 0,0 0,0; 0,0 1.9,0; 0,0 0,0; ");

    // A run keeps its own angle and motion: another figure started, refused or
    // restarted meanwhile does not steer it.
    window.click("Command2");
    enter(form.Text1, "100", "Command1");
    ticks(5, {&form.Timer1});
    enter(form.Text3, "-90", "Command5");
    enter(form.Text3, "5000", "Command5");
    EXPECT_TRUE(boxes.shown == QStringList{RangeMessage} && window.focusWidget() == &form.Text3 && form.Text3.text().isEmpty());
    while (form.Timer1.isEnabled() || form.Timer3.isEnabled()) ticks(1, {&form.Timer1, &form.Timer3});
    EXPECT_EQ(form.Label4.text() + ' ' + form.Text2.text() + ' ' + ends(form.Line9), "0.9848 280 0,0 0,-1.9; ");
    runToEnd(form.Timer2);
    EXPECT_EQ(ends(form.Line6), "0,0 0.3299,-1.871; ");

    window.click("Command2");
    enter(form.Text2, "go", "Command4");  // figure 2 turns again towards 280
    ticks(30, {&form.Timer2});
    choose(3);
    enter(form.Text1, "30", "Command1");
    runToEnd(form.Timer1);  // and is handed -30 while it turns
    EXPECT_EQ(turn(form.Q, form.Picture1, -30, false),
              "6 ticks, mark 0.2,0 to 0.1732,-0.1 c65280 dotted, arrow 5: 0.2499,-0.005899 0.15,-0.003539, ray 1.645,-0.95, then L 0,0 1,0 dotted");
    enter(form.Text3, "30", "Command5");
    const bool running = form.Timer3.isEnabled();
    window.close();
    EXPECT_TRUE(running && !form.Timer3.isEnabled()) << "closing the window ends every run";
}

TEST_F(Lesson, AWholeLessonByKeysAloneAndAFormulaByScreenReaderAndMouse)
{
    window.show();
    QApplication::setActiveWindow(&window);
    auto focused = [] { return QApplication::focusWidget()->objectName(); };
    EXPECT_EQ(focused(), "Picture1");
    // A box that answers keys shows the dotted mark of the focus inside its flat edge.
    const QColor highlight = window.palette().color(QPalette::Highlight);
    auto marked = [&](QWidget &w) { return count(onScreen(w), w.rect(), highlight); };
    EXPECT_EQ(marked(form.Picture6), 0);
    keys({Qt::Key_Backtab});
    EXPECT_GT(marked(form.Picture6), 20);
    keys({Qt::Key_Space});
    EXPECT_EQ(form.Picture4.height(), 97) << "the list opens";
    keys({Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down});
    EXPECT_GT(marked(form.Image13), 20) << "on the second formula";
    keys({Qt::Key_Return, Qt::Key_Tab});
    EXPECT_EQ(count(form.Image13.grab().toImage(), form.Image13.rect(), highlight), 0) << "the list let go";
    keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_3, Qt::Key_0, Qt::Key_Tab, Qt::Key_Return});  // Picture6, Picture1, Text1
    runToEnd(form.Timer1);
    runToEnd(form.Timer2);
    EXPECT_EQ(told(), "0.5 0.866 0.5774 | 150 | 0.5 -0.866 -0.5774") << "under 180°-α";
    form.Command2.setFocus();
    keys({Qt::Key_Space});
    EXPECT_EQ(told(), "   |  |   ");
    window.hide(), window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_EQ(focused(), "Command2") << "shown again, the focus stays";
    QString order;  // round the whole window, the hidden controls too
    for (int i = 0; i < 16; ++i) order += focused() + ' ', keys({Qt::Key_Tab});
    EXPECT_EQ(order, "Command2 Command3 Picture2 Picture3 Text2 Text3 Command4 Command5 Command6 Command7 Picture4 Picture5 Picture6 Picture1 Text1 Command1 ");
    form.Text3.setFocus();
    keys({Qt::Key_9, Qt::Key_0, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space});
    runToEnd(form.Timer3);
    EXPECT_EQ(ends(form.Line9), "0,0 0,1.9; ");

    // A screen reader and the mouse choose too.
    auto spoken = [&](const char *name) { return QAccessible::queryAccessibleInterface(&window.get<QWidget>(name)); };
    QString roles;
    for (const char *name : {"Image17", "Picture1", "Picture6", "Image13", "Picture4", "Frame1"}) roles += QString::number(spoken(name)->role(), 16) + ' ';
    EXPECT_EQ(roles, QStringLiteral("%1 %2 %3 %3 %4 %5 ").arg(QAccessible::Graphic, 0, 16).arg(QAccessible::Canvas, 0, 16)
                         .arg(QAccessible::Button, 0, 16).arg(QAccessible::List, 0, 16).arg(QAccessible::Grouping, 0, 16));
    spoken("Picture6")->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(form.Picture4.height(), 0) << "only pressing opens the list";
    spoken("Picture6")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    spoken("Image14")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.Label9.text(), "以OQ为终边的角的正弦:sin(-α)=");
    click(form.Picture6, {5, 5}, Qt::RightButton);
    EXPECT_EQ(form.Picture4.height(), 0) << "only the left button clicks";
    click(form.Picture6, {5, 5});
    click(form.Image12, {5, 5});
    click(form.Picture6, {5, 5}, Qt::LeftButton, false);
    EXPECT_EQ(form.Picture4.height(), 0) << "a button let go without a press clicks nothing";
    EXPECT_EQ(form.Label9.text(), "以OQ为终边的角的正弦:sin(180°+α)=");
}

} // namespace
