// The windows at a zoom and at fractional device pixel ratios: whole pixels
// everywhere, and a lesson that goes on unchanged while the zoom changes.
#include "angulon/form1.h"
#include "harness.h"
#include "unitrix/form1.h"

#include <QAccessible>
#include <QTest>

namespace {

const double Zoom = qEnvironmentVariableIsSet("ZENTRAK_ZOOM") ? qEnvironmentVariable("ZENTRAK_ZOOM").toDouble() : 1;

// The runs of one colour met walking from a point in a direction: length and colour.
std::vector<std::pair<int, QRgb>> runs(const QImage &image, QPoint at, QPoint step, int count)
{
    std::vector<std::pair<int, QRgb>> found{{0, image.pixel(at)}};
    for (; image.rect().contains(at) && int(found.size()) <= count; at += step) {
        if (image.pixel(at) != found.back().second) found.emplace_back(0, image.pixel(at));
        ++found.back().first;
    }
    return found;
}

// At a fractional zoom or ratio, as at any: the dots of P's projections are
// all as long as each other and their gaps twice that, in whole device pixels;
// the canvas's sunken edge and a frame's groove are as wide on every side, and
// angulon's highlight is a ring of one width whose corners meet.
TEST(Fractional, DotsAndEdgesStandOnWholeDevicePixels)
{
    unitrix::Form1 u;
    u.window().setZoom(Zoom);
    u.Text1.setText("30"), u.window().click("Command1"), testing_support::runToEnd(u.Timer1);
    const QImage canvas = u.Picture1.drawing();
    const double s = Zoom * u.Picture1.devicePixelRatioF();
    const int w = std::max(1, int(std::floor(s + 1e-9))), row = qRound((2 - 0.85) / 4 * canvas.height());
    const int column = qRound((2 + 1.7 * std::cos(30 * 3.14159 / 180)) / 4 * canvas.width());
    for (const auto &[from, step] : {std::pair(QPoint(canvas.width() / 2 + 3 * w, row), QPoint(1, 0)),
                                     std::pair(QPoint(column, canvas.height() / 2 - 3 * w), QPoint(0, -1))}) {
        std::vector<std::pair<int, QRgb>> dotted;
        for (int off = -w; off <= w; ++off)  // the row or column the dots lie on
            if (auto r = runs(canvas, from + QPoint(step.y(), step.x()) * off, step, 12); r.size() > dotted.size())
                dotted = r;
        ASSERT_EQ(dotted.size(), 13u);
        for (size_t i = 1; i + 2 < dotted.size(); ++i)  // the first and last may be cut short
            EXPECT_EQ(dotted[i].first, qGray(dotted[i].second) < 128 ? w : 2 * w) << "run " << i;
    }

    const QImage window = u.window().grab().toImage();
    QStringList edges;
    for (const char *name : {"Picture1", "Frame1", "Frame4"}) {
        const QRect layout = forms::layoutOf(u.window().get<QWidget>(name));
        // A quarter of the way along each side, clear of the axes, below a frame's caption, above what it holds.
        const QPoint at =
            (QPointF(layout.x() + layout.width() / 4.0, layout.y() + layout.height() / 4.0) * s).toPoint();
        const int in = qRound(6 * s), top = qRound(13 * s);
        QStringList sides;
        for (const auto &[from, step] :
             {std::pair(QPoint(at.x(), qRound(layout.top() * s) + top), QPoint(0, -1)),
              std::pair(QPoint(at.x(), qRound((layout.bottom() + 1) * s) - in), QPoint(0, 1)),
              std::pair(QPoint(qRound(layout.left() * s) + in, at.y()), QPoint(-1, 0)),
              std::pair(QPoint(qRound((layout.right() + 1) * s) - in, at.y()), QPoint(1, 0))}) {
            const auto r = runs(window, from, step, 3);
            sides << QString("%1 %2").arg(r[1].first).arg(r[2].first);
        }
        edges << name + QString(": ") + sides.join(", ");
    }
    const QString even = QStringList(4, QString("%1 %1").arg(w)).join(", ");
    EXPECT_EQ(edges.join("; "), QString("Picture1: %1; Frame1: %1; Frame4: %1").arg(even));

    angulon::Form1 a;
    a.window().setZoom(Zoom);
    const QImage panel = a.window().grab().toImage();
    const QRgb highlight = a.window().palette().color(QPalette::Highlight).rgb();
    QRegion ring;
    for (int y = 0; y < panel.height(); ++y)
        for (int x = 0; x < panel.width(); ++x)
            if (panel.pixel(x, y) == highlight) ring += QRect(x, y, 1, 1);
    const QRect outer = ring.boundingRect();
    EXPECT_TRUE((ring ^ (QRegion(outer) - QRegion(outer.adjusted(w, w, -w, -w)))).isEmpty())
        << "a ring " << w << " wide";
}

} // namespace

namespace {

// Zoomed while a ray turns, a lesson goes on as if it had run at that zoom
// from the start: the same run, pace, figure and read-outs, nothing lost and
// nothing drawn twice. Keys step the zoom as a browser does; an entry, the
// range message and a screen reader's picture of the window follow it.
TEST(Zoom, ALessonGoesOnUnchangedWhileTheZoomChanges)
{
    testing_support::MessageBoxes boxes;
    forms::Timer::useManualClock(true);
    unitrix::Form1 whole, changed;
    whole.window().setZoom(2);
    for (unitrix::Form1 *f : {&whole, &changed}) {
        f->window().show();
        f->window().click("Picture6"), f->window().click("Image12");
        f->Text1.setText("400"), f->window().click("Command1");
    }
    forms::Timer::advanceClock(600);
    changed.window().setZoom(2);
    forms::Timer::advanceClock(300);
    changed.window().setZoom(1.25), changed.window().setZoom(2);
    int ms = 0;
    for (; whole.Timer2.isEnabled() || whole.Timer1.isEnabled(); ms += 20) {
        EXPECT_EQ(changed.Timer1.isEnabled() || changed.Timer2.isEnabled(), true) << ms;
        forms::Timer::advanceClock(20);
    }
    forms::Timer::useManualClock(false);
    EXPECT_FALSE(changed.Timer1.isEnabled() || changed.Timer2.isEnabled());
    EXPECT_TRUE(changed.window().grab().toImage() == whole.window().grab().toImage());

    QWidget &window = changed.window();
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
    const QString zooms = QString::number(changed.window().zoom());
    QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(zooms + ' ' + QString::number(changed.window().zoom()), "1.75 2.5");
    EXPECT_EQ(window.size(), QSize(1850, 1398)) << "sized to the zoom";
    QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(window.size(), QSize(740, 559));
    QTest::keyClick(&window, Qt::Key_F11);  // on a screen of 2400 x 1600, the lesson 1600 pixels high, centred
    QApplication::processEvents();
    const QRect canvas(changed.Picture1.mapTo(&window, QPoint()), changed.Picture1.size());
    EXPECT_EQ(QString::number(changed.window().zoom(), 'f', 3) + QString(" %1,%2").arg(canvas.x()).arg(canvas.width()),
              "2.862 209,964");
    QTest::keyClick(&window, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(!window.isFullScreen() && window.size() == QSize(740, 559));
    changed.window().setZoom(1.25);
    changed.window().click("Command2");
    QTest::keyClicks(&changed.Text1, "1900");
    QTest::keyClick(&changed.Text1, Qt::Key_Return);
    const QRect read = QAccessible::queryAccessibleInterface(&changed.Command1)->rect();
    EXPECT_EQ(boxes.shown, QStringList{testing_support::RangeMessage});
    EXPECT_EQ(read.size(), QSize(71, 31)) << "57 x 25 at 1.25";
}

} // namespace
