// Both windows in device pixels, run at scale factor 1 and at 2 (a projector):
// the same look in logical pixels, drawn at device resolution, not blown up.
#include "angulon/form1.h"
#include "harness.h"
#include "unitrix/form1.h"

#include <QBitmap>

namespace {

struct Scaled : testing::Test {
    unitrix::Form1 form;
    QImage shown;
    int r = 1;  // device pixels a logical pixel

    void grab(forms::Form &window)
    {
        window.show();
        shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32), r = shown.width() / window.width();
    }
    // Device pixels of a colour within a rectangle in logical pixels.
    int ink(QRect logical, QColor colour = Qt::black, int levels = 240) const
    {
        return testing_support::count(shown, QRect(logical.topLeft() * r, logical.size() * r), colour, levels);
    }
};

TEST_F(Scaled, EdgesLieOnTheOuterTwoPixelsAndTheArrowTipsOnTheLastInnerOnes)
{
    grab(form.window());
    const QRect c(form.Picture1.mapTo(&form.window(), QPoint()), form.Picture1.size()), f = form.window().get<QWidget>("Frame1").geometry();
    const QPalette &cp = form.Picture1.palette(), &fp = form.window().get<QWidget>("Frame1").palette();
    const int y = c.top() + 40, x = c.left() + 40, fy = f.center().y();
    const int groove = QFontMetrics(form.window().get<QWidget>("Frame1").font()).height() / 2;  // the groove's top
    using P = QPalette;
    const std::pair<QPoint, QColor> table[] = {  // the sunken canvas, inside it white, then the frame's groove, corners too
        {{c.left(), y}, cp.color(P::Mid)}, {{c.left() + 1, y}, cp.color(P::Shadow)}, {{c.left() + 2, y}, Qt::white},
        {{c.right() - 2, y}, Qt::white}, {{c.right() - 1, y}, cp.color(P::Midlight)}, {{c.right(), y}, cp.color(P::Light)},
        {{x, c.top()}, cp.color(P::Mid)}, {{x, c.top() + 1}, cp.color(P::Shadow)}, {{x, c.bottom() - 2}, Qt::white},
        {{x, c.bottom() - 1}, cp.color(P::Midlight)}, {{x, c.bottom()}, cp.color(P::Light)},
        {{f.left(), fy}, fp.color(P::Mid)}, {{f.left() + 1, fy}, fp.color(P::Light)}, {{f.right() - 1, fy}, fp.color(P::Mid)},
        {{f.right(), fy}, fp.color(P::Light)}, {{f.center().x(), f.bottom() - 1}, fp.color(P::Mid)},
        {{f.center().x(), f.bottom()}, fp.color(P::Light)}, {{f.right(), f.top() + groove}, fp.color(P::Light)},
        {{f.left(), f.bottom()}, fp.color(P::Light)}};
    QString wrong;  // logical pixels not wholly of their colour
    for (auto [p, colour] : table) wrong += ink({p, QSize(1, 1)}, colour, 0) == r * r ? QString() : QString("(%1, %2) ").arg(p.x()).arg(p.y());
    EXPECT_EQ(wrong, "");
    const int axis = 2 + 333 / 2;
    EXPECT_GT(ink({c.right() - 2, c.top() + axis - 1, 1, 3}), 0) << "tip of the x arrowhead";
    EXPECT_GT(ink({c.left() + axis - 1, c.top() + 2, 3, 1}), 0) << "tip of the y arrowhead";
}

// The highlight rectangle of angulon's input panel lies wholly on the ring of
// logical pixels just outside it, at any ratio.
TEST_F(Scaled, TheHighlightHugsTheInputPanel)
{
    angulon::Form1 rows;
    grab(rows.window());
    const QRect ring = rows.window().get<QWidget>("Frame1").geometry().adjusted(-1, -1, 1, 1);
    const QColor highlight = rows.window().palette().color(QPalette::Highlight);
    QString sides;
    for (const QRect &side : {QRect(ring.topLeft(), QSize(ring.width(), 1)), QRect(ring.bottomLeft(), QSize(ring.width(), 1)),
                              QRect(ring.topLeft(), QSize(1, ring.height())), QRect(ring.topRight(), QSize(1, ring.height()))})
        sides += QString::number(ink(side, highlight, 0) / (r * r)) + ' ';
    EXPECT_EQ(sides, QString("%1 %1 %2 %2 ").arg(ring.width()).arg(ring.height()));
}

TEST_F(Scaled, LinesAndPicturesAreDrawnAtDeviceResolution)
{
    grab(form.window());
    EXPECT_EQ(form.Picture1.drawing().size(), QSize(333, 333) * r);
    // Down across the x-axis at logical (109, 224.5): one logical pixel of black amid white.
    EXPECT_EQ(std::pair(ink({109, 215, 1, 20}, Qt::black, 30), ink({109, 215, 1, 20}, Qt::white, 30)), std::pair(r * r, 19 * r * r));
    // A picture blown up from 1x would repeat every pixel in 2 x 2 blocks.
    const QImage title = form.window().get<QWidget>("Image17").grab().toImage();
    int differingPairs = 0;
    for (int y = 0; y < title.height(); y += 2)
        for (int x = 0; x + 1 < title.width(); x += 2) differingPairs += title.pixel(x, y) != title.pixel(x + 1, y);
    EXPECT_GT(differingPairs, 50);
    angulon::Form1 rows;
    rows.Text2.setText("90");
    rows.window().click("Command4");
    testing_support::runToEnd(rows.Timer2);
    grab(rows.window());  // β's ray on the y-axis (logical x 174.5): two logical pixels of pure green
    EXPECT_EQ(std::pair(ink({165, 100, 20, 1}, Qt::green, 0), ink({165, 100, 20, 1}, Qt::white, 30)), std::pair(2 * r * r, 18 * r * r));
}

TEST_F(Scaled, DottedLinesAreOnePixelOnTwoOffAndQsMarkStaysDotted)
{
    form.Picture6_Click();
    form.Image12_Click();
    form.Text1.setText(QStringLiteral("30"));
    form.Command1_Click();
    testing_support::runToEnd(form.Timer1);
    testing_support::runToEnd(form.Timer2);
    grab(form.window());
    const QImage canvas = form.Picture1.drawing();
    // P's projection onto the y-axis, read along its most inked device row between x = 0.1 and 1.4.
    const QPointF from = form.Picture1.toPixel(0.1, 1.7 * form.SinAlpha) - form.Picture1.clientArea().topLeft();
    const int left = int(from.x() * r), right = left + int(1.3 * 333 / 4) * r;
    auto inked = [&](int x, int y) { return qGray(canvas.pixel(x, y)) < 80; };
    int row = 0;
    for (int y = int(from.y() * r) - 2 * r, most = 0, n; y <= int(from.y() * r) + 2 * r; ++y)
        if (n = testing_support::count(canvas, {left, y, right - left, 1}, Qt::black, 240); n > most) most = n, row = y;
    QStringList runs;  // ink (+) and gap (-) in device pixels, but for the first and last that the range cuts
    for (int x = left, start = left; x <= right; ++x)
        if (x == right || inked(x, row) != inked(start, row)) runs << QString("%1%2").arg(inked(start, row) ? '+' : '-').arg(x - start), start = x;
    runs = runs.mid(1, runs.size() - 2);
    ASSERT_GT(runs.size(), 20);
    EXPECT_EQ(runs.count(QString("+%1").arg(r)) + runs.count(QString("-%1").arg(2 * r)), runs.size()) << runs.join(' ').toStdString();
    // Q's green mark, traced dotted in pieces shorter than a dot and a gap,
    // covers well under the whole of its arc of radius 0.2 from 0° to 210°.
    const int green = testing_support::count(canvas, canvas.rect(), Qt::green, 0);
    const double solid = 0.2 * 333 / 4 * (210 * 3.14159 / 180) * r * r;
    EXPECT_GT(green, 0.3 * solid);
    EXPECT_LT(green, 0.75 * solid) << "the dotted mark reads as a solid line";
}

// Whatever a pupil types shows in real glyphs: full-width digits and signs
// from a Chinese input method, Chinese, Greek. A glyph no face has is drawn as
// the same box as a code point that is assigned to nothing.
TEST_F(Scaled, EveryEntryDrawsWhatAPupilTypesInRealGlyphs)
{
    angulon::Form1 rows;
    for (forms::Form *window : {&form.window(), &rows.window()})
        for (QLineEdit *entry : window->findChildren<QLineEdit *>()) {
            auto drawn = [&](const QString &typed) { return entry->setText(typed), entry->grab().toImage(); };
            const QImage missing = drawn(QString(QChar(0x0378)));
            for (const char *typed : {"３", "－", "．", "角", "α"})
                EXPECT_NE(drawn(QString::fromUtf8(typed)), missing) << entry->objectName().toStdString() << ' ' << typed;
        }
}

// Every whole degree under every formula: no text on the canvas prints over
// another (2 pixels clear between their inks) and each of P's and Q's stands
// whole, 3 pixels inside the canvas. Each text's ink is found by printing it
// alone.
class Texts : public Scaled, public testing::WithParamInterface<int> {};

TEST_P(Texts, NeverPrintOverEachOther)
{
    testing_support::MessageBoxes boxes;  // Q's angle out of range after P's
    form.Picture1.setRecording(true);
    form.Picture6_Click();
    (GetParam() == 1 ? form.Image12 : GetParam() == 2 ? form.Image13 : form.Image14).click();
    r = qRound(form.Picture1.devicePixelRatioF());  // not shown: the drawing is all there is to see
    forms::PictureBox &solo = form.Picture2;  // hidden: sized as the canvas, a place to print one text alone
    solo.setGeometry(form.Picture1.geometry());
    solo.setCanvasFont(form.Picture1.canvasFont());
    solo.Scale(-2, 2, 2, -2);
    QHash<QString, QRegion> inks;  // in device pixels: all but the white of the canvas
    auto inkOf = [&](const forms::DrawCall &c) -> const QRegion & {
        QRegion &ink = inks[QStringLiteral("%1 %2 %3 %4").arg(c.text).arg(c.x1).arg(c.y1).arg(c.italic)];
        if (ink.isEmpty()) {
            solo.Cls(), solo.CurrentX = c.x1, solo.CurrentY = c.y1, solo.FontItalic = c.italic, solo.Print(c.text);
            const QRect near = QRect(solo.printed().back().ink.topLeft() * r, solo.printed().back().ink.size() * r).adjusted(-4 * r, -4 * r, 4 * r, 4 * r) & solo.drawing().rect();
            ink = QRegion(QBitmap::fromImage(solo.drawing().copy(near).createMaskFromColor(qRgb(255, 255, 255)))).translated(near.topLeft());
        }
        return ink;
    };
    auto crowd = [&](const QRegion &a, const QRegion &b) {  // less than 2 logical pixels of clear space between them
        return std::ranges::any_of(b, [&](const QRect &k) { return a.intersects(k.adjusted(-2 * r, -2 * r, 2 * r, 2 * r)); });
    };
    const QRect inside = QRect(QPoint(), form.Picture1.drawing().size()).adjusted(3 * r, 3 * r, -3 * r, -3 * r);
    QStringList crowded;
    for (int alpha = -1800; alpha <= 1800 && crowded.size() < 5; ++alpha) {
        form.Command2_Click();
        form.Picture1.clearRecorded();
        form.Text1.setText(QString::number(alpha));
        form.Command1_Click();
        testing_support::runToEnd(form.Timer1, 400);
        testing_support::runToEnd(form.Timer2, 400);
        std::vector<forms::DrawCall> texts;
        for (const forms::DrawCall &c : form.Picture1.recorded())
            if (c.op == forms::DrawCall::Op::Print && std::ranges::find(texts, c) == texts.end()) texts.push_back(c);
        for (size_t i = 0; i < texts.size(); ++i) {
            if (texts[i].text.contains('(') && !inside.contains(inkOf(texts[i]).boundingRect()))
                crowded << QStringLiteral("%1: %2 cut or at the edge").arg(alpha).arg(texts[i].text);
            for (size_t j = i + 1; j < texts.size(); ++j)
                if (crowd(inkOf(texts[i]), inkOf(texts[j]))) crowded << QStringLiteral("%1: %2 and %3").arg(alpha).arg(texts[i].text, texts[j].text);
        }
    }
    EXPECT_EQ(crowded.join("; "), "");
}
INSTANTIATE_TEST_SUITE_P(Formulas, Texts, testing::Values(1, 2, 3));

} // namespace
