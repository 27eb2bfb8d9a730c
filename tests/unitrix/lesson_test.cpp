// The reduction-formula window headless: every angle's lesson under every
// formula, held to the lesson's own rules; the hidden figures, bad entries,
// reset, and the keyboard, screen-reader and mouse paths.
#include "form1.h"
#include "harness.h"

#include <QRegularExpression>

using namespace testing_support;

namespace {

struct Lesson : testing::Test {
    MessageBoxes boxes;
    unitrix::Form1 form;
    forms::Form &window = form.window();

    Lesson() { form.Picture1.setRecording(true); }
    void choose(int type) { window.click("Picture6"), window.click(QString("Image1%1").arg(type + 1)); }
    void enter(QLineEdit &entry, const QString &angle, const char *button) {
        entry.setText(angle), window.click(button);
    }
    static void ticks(int n, std::initializer_list<forms::Timer *> timers)
    {
        while (n-- > 0) std::ranges::for_each(timers, &forms::Timer::tick);
    }
    // P's read-outs | the angle of OQ handed over | Q's read-outs.
    QString told() const
    {
        return QString("%1 %2 %3 | %4 | %5 %6 %7").arg(form.Label4.text(), form.Label6.text(), form.Label8.text(),
            form.Text2.text(), form.Label12.text(), form.Label13.text(), form.Label14.text());
    }
};

// What the pupil reads off obeys the formula: each read-out is its angle's
// sine or cosine to four decimals (π taken as 3.14159, as the program takes
// it), each tangent the quotient of the two read-outs beside it or "不存在"
// where the cosine reads 0, and Q's relate to P's sign for sign and digit for
// digit: sin(180°+α) = −sin α, cos(180°+α) = −cos α, tan(180°+α) = tan α and
// so on. Only a last digit may differ, where 3.14159 puts the angle of OQ a
// few millionths of a radian off 180° ± α and the two exact values round to
// either side of a fourth decimal (about one read-out in eighty).
QString obeys(const unitrix::Form1 &f, int formula, double alpha, std::optional<double> beta)
{
    static const QRegularExpression decimals("^-?(0|[1-9][0-9]*)(\\.[0-9]{0,3}[1-9])?$");
    auto written = [](const QString &s, double x) {
        return decimals.match(s).hasMatch() && s != "-0" && std::fabs(s.toDouble() - x) <= 0.50000001e-4;
    };
    auto negated = [](const QString &s) { return s == "0" ? s : s.startsWith('-') ? s.mid(1) : '-' + s; };
    const QLabel *p[] = {&f.Label4, &f.Label6, &f.Label8}, *q[] = {&f.Label12, &f.Label13, &f.Label14};
    auto read = [&](const QLabel *const *l, double deg, bool none) {  // sine, cosine, and the tangent of the two
        const double w = deg * 3.14159 / 180;
        const bool tangent = none || l[1]->text() == "0"
                                 ? l[2]->text() == "不存在"
                                 : written(l[2]->text(), l[0]->text().toDouble() / l[1]->text().toDouble());
        return written(l[0]->text(), std::sin(w)) && written(l[1]->text(), std::cos(w)) && tangent;
    };
    QString broken = read(p, alpha, false) ? "" : " P's read-outs";
    if (beta) {
        const int sign[3][3] = {{-1, -1, 1}, {1, -1, -1}, {-1, 1, -1}};  // of sin, cos, tan of OQ's angle against α's
        broken += read(q, *beta, p[2]->text() == "不存在") ? "" : " Q's read-outs";
        bool alike = true;
        for (int i = 0; i < 3; ++i) {
            const int s = sign[formula - 1][i];
            const bool same = q[i]->text() == (s < 0 && p[i]->text() != "不存在" ? negated(p[i]->text()) : p[i]->text());
            const double x = i ? std::cos(alpha * 3.14159 / 180) : std::sin(alpha * 3.14159 / 180);
            const double y = i ? std::cos(*beta * 3.14159 / 180) : std::sin(*beta * 3.14159 / 180);
            if (!same && (i == 2 ? alike : std::lround(y * 1e4) == std::lround(s * x * 1e4))) broken += " the formula";
            alike = alike && same;
        }
    }
    QStringList shown;
    for (const QLabel *l : {p[0], p[1], p[2], q[0], q[1], q[2]}) shown << l->text();
    return broken.isEmpty() ? broken : QString("α = %1:%2 (%3); ").arg(alpha).arg(broken, shown.join(' '));
}

// Every whole α from −1800 to 1800 under a formula, as a pupil runs it: the
// runs of P and then of Q turn and mark by their bands, the read-outs obey the
// formula, and the angle of OQ past 1800 brings the range message instead of Q.
class EveryAlpha : public Lesson, public testing::WithParamInterface<int> {};

TEST_P(EveryAlpha, ReadsOffAsTheFormulaSays)
{
    const int formula = GetParam();
    choose(formula);
    QString broken;
    for (int alpha = -1800; alpha <= 1800 && broken.size() < 400; ++alpha) {
        const double beta = formula == 1 ? 180 + alpha : formula == 2 ? 180 - alpha : -alpha;
        window.click("Command2"), boxes.shown.clear(), enter(form.Text1, QString::number(alpha), "Command1");
        if (alpha == 0) {  // nothing turns, so the read-outs are there at once
            ticks(3, {&form.Timer1});
            broken += obeys(form, formula, 0, formula == 3 ? 0 : 180) + (form.Timer1.isEnabled() ? "" : "0 ends; ");
            continue;
        }
        broken += watch(onWindow(form.P), FigureP, alpha);
        if (std::fabs(beta) > 1800) {
            if (boxes.shown != QStringList{RangeMessage} || !form.Label12.text().isEmpty()
                || window.focusWidget() != &form.Text2)
                broken += QString("α = %1: OQ's angle past 1800 is not refused; ").arg(alpha);
            broken += obeys(form, formula, alpha, {});
            continue;
        }
        if (beta == 0)  // OQ at 0 does not turn; Q is shown at once
            ticks(3, {&form.Timer2}), broken += form.Timer2.isEnabled() ? "" : "OQ at 0 ends; ";
        else
            broken += watch(onWindow(form.Q), FigureQ, beta);
        broken += obeys(form, formula, alpha, beta);
    }
    EXPECT_EQ(broken, "");
}
INSTANTIATE_TEST_SUITE_P(Formulas, EveryAlpha, testing::Values(1, 2, 3));

// Where the coordinate texts would print over another text (Q's over P's, a
// tick or an axis letter; P's over the ticks at ±1800), each stands whole, 3
// pixels inside the canvas and 2 pixels clear of every other text's ink, at
// any device pixel ratio. (Where they stand, at every place: the core's sweep.)
TEST_F(Lesson, CoordinateTextsStandClearOfEveryOtherText)
{
    const int r = qRound(form.Picture1.devicePixelRatioF());
    forms::PictureBox solo(nullptr, forms::Border::Sunken);  // of the same size, to print one text alone on
    solo.resize(form.Picture1.size()), solo.setBackColor(Qt::white), solo.setCanvasFont(form.Picture1.canvasFont());
    solo.Scale(-2, 2, 2, -2);
    auto inkOf = [&](const forms::DrawCall &c) {  // in device pixels
        solo.Cls(), solo.CurrentX = c.x1, solo.CurrentY = c.y1, solo.FontItalic = c.italic, solo.Print(c.text);
        const QRect box = solo.printed().back().ink;
        const QRect near =
            QRect(box.topLeft() * r, box.size() * r).adjusted(-4 * r, -4 * r, 4 * r, 4 * r) & solo.drawing().rect();
        return inkRegion(solo.drawing().copy(near), qRgb(255, 255, 255)).translated(near.topLeft());
    };
    const QRect inside = QRect(QPoint(), form.Picture1.drawing().size()).adjusted(3 * r, 3 * r, -3 * r, -3 * r);
    QString crowded;
    for (const auto &[formula, alpha] : {std::pair(1, 180), std::pair(2, 90), std::pair(2, -270), std::pair(3, -180),
                                         std::pair(3, 1800), std::pair(1, -1800)}) {
        form.Picture1.clearRecorded(), window.click("Command2"), choose(formula),
            enter(form.Text1, QString::number(alpha), "Command1");
        runToEnd(form.Timer1), runToEnd(form.Timer2, 400);
        std::vector<std::pair<QString, QRegion>> texts;
        for (const forms::DrawCall &c : form.Picture1.recorded())
            if (c.op == forms::DrawCall::Op::Print
                && std::ranges::none_of(texts, [&](auto &t) { return t.first == c.text + pt(c.x1, c.y1); }))
                texts.emplace_back(c.text + pt(c.x1, c.y1), inkOf(c));
        for (const auto &[text, ink] : texts) {
            if (text.contains('(') && !inside.contains(ink.boundingRect()))
                crowded += QString("%1: %2 cut; ").arg(alpha).arg(text);
            for (const auto &[other, its] : texts)
                if (other != text && std::ranges::any_of(its, [&](QRect k) {
                        return ink.intersects(k.adjusted(-2 * r, -2 * r, 2 * r, 2 * r));
                    }))
                    crowded += QString("%1: %2 over %3; ").arg(alpha).arg(text, other);
        }
    }
    EXPECT_EQ(crowded, "");
}

// An empty entry and the clear buttons of figures 2 and 3 stop what runs; a
// run keeps its own angle and motion whatever another figure does; entries
// just past the range are refused, and a cosine that reads -0.0001 has no quotient.
TEST_F(Lesson, EveryRunKeepsItsOwnCourseUntilStopped)
{
    choose(1);
    enter(form.Text1, "30", "Command1"), enter(form.Text3, "100", "Command5");
    enter(form.Text1, "", "Command1"), enter(form.Text3, "", "Command5");  // an empty entry stops the run again
    EXPECT_FALSE(form.Timer1.isEnabled() || form.Timer3.isEnabled());
    enter(form.Text1, "30", "Command1"), runToEnd(form.Timer1), enter(form.Text3, "-45", "Command5");
    ticks(6, {&form.Timer2, &form.Timer3});  // Q, started by P's finish, and figure 3 show their arrowheads
    window.click("Command6"), window.click("Command7");
    EXPECT_FALSE(form.Timer2.isEnabled() || form.Timer3.isEnabled());
    EXPECT_EQ(form.Text2.text() + form.Text3.text() + ends(form.Line6) + ends(form.Line4) + ends(form.Line9)
                  + ends(form.Line8),
              "0,0 1.9,0; 0,0 0,0; 0,0 1.9,0; 0,0 0,0; ");

    window.click("Command2");
    enter(form.Text1, "100", "Command1"), ticks(5, {&form.Timer1});
    enter(form.Text3, "-90", "Command5"), enter(form.Text3, "5000", "Command5");
    EXPECT_TRUE(boxes.shown == QStringList{RangeMessage} && window.focusWidget() == &form.Text3
                && form.Text3.text().isEmpty());
    while (form.Timer1.isEnabled() || form.Timer3.isEnabled()) ticks(1, {&form.Timer1, &form.Timer3});
    EXPECT_EQ(form.Label4.text() + ' ' + form.Text2.text() + ' ' + ends(form.Line9), "0.9848 280 0,0 0,-1.9; ");
    runToEnd(form.Timer2);
    EXPECT_EQ(ends(form.Line6), "0,0 0.3299,-1.871; ");

    window.click("Command2");
    enter(form.Text2, "go", "Command4"), ticks(30, {&form.Timer2});  // figure 2 turns again towards 280
    choose(3), enter(form.Text1, "30", "Command1"), runToEnd(form.Timer1);  // and is handed -30 while it turns
    EXPECT_EQ(watch(onWindow(form.Q), FigureQ, -30), "") << "it starts afresh";
    enter(form.Text3, "30", "Command5");
    const bool running = form.Timer3.isEnabled();
    QString seen;
    for (const char *alpha : {"1800.0001", "-1800.0000000001", "89.99725"}) {
        window.click("Command2"), boxes.shown.clear(), choose(1), enter(form.Text1, alpha, "Command1");
        runToEnd(form.Timer1), runToEnd(form.Timer2);
        seen += told() + (boxes.shown == QStringList{RangeMessage} ? " refused; " : "; ");
    }
    EXPECT_EQ(seen, "   |  |    refused;    |  |    refused; 1 0 不存在 | 269.99725 | -1 -0.0001 不存在; ");
    window.close();
    EXPECT_TRUE(running && !form.Timer3.isEnabled()) << "closing the window ends every run";
}

// Return or keypad Enter in an entry does what its "确定" does while that is
// enabled, and nothing once it is not: a run is not started again.
TEST_F(Lesson, ReturnInAnEntryPressesItsButton)
{
    for (const auto &[entry, figure, key] : {std::tuple(&form.Text1, &form.P, Qt::Key_Return),
                                             std::tuple(&form.Text2, &form.Q, Qt::Key_Enter),
                                             std::tuple(&form.Text3, &form.Third, Qt::Key_Enter)}) {
        entry->setText("100");
        QTest::keyClick(entry, key);
        const bool started = figure->timer.isEnabled();
        ticks(2, {&figure->timer});
        const double turned = figure->motion.rayAngle();
        QTest::keyClick(entry, key);
        EXPECT_TRUE(started && figure->motion.rayAngle() == turned) << entry->objectName().toStdString();
    }
}

// A whole lesson by keys alone, the focus marked where it is; then a formula
// chosen by the mouse. (A screen reader's: the end-to-end run over its bus.)
TEST_F(Lesson, ALessonByKeyboardOrMouse)
{
    window.show();
    QApplication::setActiveWindow(&window);
    auto focused = [] { return QApplication::focusWidget()->objectName(); };
    const QColor highlight = window.palette().color(QPalette::Highlight);
    auto marked = [&](QWidget &w) { return count(onScreen(w), w.rect(), highlight); };
    EXPECT_EQ(focused() + QString::number(marked(form.Picture6)), "Picture10");
    keys({Qt::Key_Backtab});
    EXPECT_GT(marked(form.Picture6), 20) << "a box that answers keys shows the focus";
    keys({Qt::Key_Space});
    EXPECT_EQ(form.Picture4.height(), 97) << "the list opens";
    keys({Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up,
          Qt::Key_Up, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Backtab, Qt::Key_Backtab,
          Qt::Key_Down, Qt::Key_Down});
    EXPECT_EQ(form.Label9.text(), "以OQ为终边的角的正弦:sin(180°+α)=") << "keypad Enter chose the first";
    EXPECT_GT(marked(form.Image13), 20) << "on the second formula";
    keys({Qt::Key_Return, Qt::Key_Tab});
    EXPECT_EQ(count(form.Image13.grab().toImage(), form.Image13.rect(), highlight), 0) << "the list let go";
    keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_3, Qt::Key_0, Qt::Key_Tab, Qt::Key_Enter});  // on to "确定"
    runToEnd(form.Timer1), runToEnd(form.Timer2);
    EXPECT_EQ(told(), "0.5 0.866 0.5774 | 150 | 0.5 -0.866 -0.5774") << "under 180°-α";
    form.Command2.setFocus();
    keys({Qt::Key_Space});
    EXPECT_EQ(told(), "   |  |   ");
    window.hide(), window.show(), QApplication::setActiveWindow(&window);
    QString order;  // round the whole window, the hidden controls too; the focus stays where it was
    for (int i = 0; i < 16; ++i) order += focused() + ' ', keys({Qt::Key_Tab});
    EXPECT_EQ(order, "Command2 Command3 Picture2 Picture3 Text2 Text3 Command4 Command5 Command6 Command7 Picture4 "
                     "Picture5 Picture6 Picture1 Text1 Command1 ");
    form.Text3.setFocus();
    keys({Qt::Key_9, Qt::Key_0, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space});
    runToEnd(form.Timer3);
    EXPECT_EQ(ends(form.Line9), "0,0 0,1.9; ");

    // The mouse: only the left button clicks, pressed and let go on the control.
    QTest::mouseClick(&form.Picture6, Qt::RightButton);
    EXPECT_EQ(form.Picture4.height(), 0) << "only the left button clicks";
    QTest::mouseClick(&form.Picture6, Qt::LeftButton), QTest::mouseClick(&form.Image12, Qt::LeftButton);
    QTest::mouseRelease(&form.Picture6, Qt::LeftButton);
    EXPECT_EQ(form.Picture4.height(), 0) << "a button let go without a press clicks nothing";
    EXPECT_EQ(form.Label9.text(), "以OQ为终边的角的正弦:sin(180°+α)=");
}

} // namespace
