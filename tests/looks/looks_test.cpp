// Each window as a pupil sees it, held against reviewed reference pictures and
// lists of its texts: at start-up, during and after lessons of every formula
// and every row, and every range message. The timers run on the harness's
// clock, so a picture taken 400 ms into a run shows the pace too, and a run's
// length is counted in it.
//
// ZENTRAK_UPDATE_PICTURES=1 writes what is seen as the new references; look
// at every one before committing it.
#include "angulon/form1.h"
#include "harness.h"
#include "unitrix/form1.h"

#include <QDir>
#include <QMessageBox>
#include <QVector3D>

namespace {

// A zoomed run is held against the pictures of its device pixels, and never writes them.
const bool Update = qEnvironmentVariableIsSet("ZENTRAK_UPDATE_PICTURES") && !qEnvironmentVariableIsSet("ZENTRAK_ZOOM");

// The references of the desktop's language (not the one the windows chose,
// so that a translation that fails to load strays) and of the device pixels
// a layout pixel takes: reference/zh/, reference/en-x2/ and so on.
QString references(int ratio)
{
    const QString language = QLocale::system().uiLanguages().value(0).section(u'-', 0, 0);
    return QString(REFERENCE_DIR "/") + language + (ratio > 1 ? QString("-x%1").arg(ratio) : QString());
}

// A text held against its reviewed twin in the references, or written as the new one.
void reviewed(const QString &file, const QString &now, int ratio)
{
    QFile twin(references(ratio) + '/' + file);
    if (Update)
        ASSERT_TRUE(QDir().mkpath(references(ratio)) && twin.open(QIODevice::WriteOnly) && twin.write(now.toUtf8()))
            << file.toStdString();
    else
        EXPECT_EQ(now, twin.open(QIODevice::ReadOnly) ? QString::fromUtf8(twin.readAll()) : QString())
            << file.toStdString();
}

// A rectangle in a control's own layout pixels, on its window at the zoom.
QRect onWindow(QWidget &window, QWidget &w, const QRectF &layout)
{
    const double zoom = forms::zoomOf(w);
    return QRectF(QPointF(w.mapTo(&window, QPoint())) + layout.topLeft() * zoom, layout.size() * zoom).toAlignedRect();
}

// A text in sight: its line in the reviewed list (the control, its words, and
// the face, pixel size, weight, slant and colour they are drawn in), its
// colour, and where on the window its ink may be, with room for a glyph a
// pixel or two over, in the visible part of its control only.
struct Text {
    QString line;
    QColor colour;
    QRegion where;
};

std::vector<Text> textsOf(QWidget &window)
{
    std::vector<Text> texts;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        const QRect place(QPoint(), forms::layoutOf(*w).size());
        const QRegion seen = w->visibleRegion().translated(w->mapTo(&window, QPoint()));
        const QFontMetrics metrics(w->font());
        auto add = [&](const QString &text, QFont font, QColor colour, const QRect &where, bool italic = false) {
            font.setItalic(italic || font.italic());
            const double px =
                QFontInfo(font).pixelSize() / (w->inherits("QLineEdit") ? forms::zoomOf(*w) : 1); // Qt's own, zoomed
            const QString style = QString(" [%1 %2px%3%4 %5]").arg(QFontInfo(font).family()).arg(qRound(px))
                                      .arg(font.bold() ? " bold" : "", font.italic() ? " italic" : "", colour.name());
            if (!text.isEmpty() && !(seen & onWindow(window, *w, where)).isEmpty())
                texts.push_back({w->objectName() + ": " + text + style, colour,
                                 seen & onWindow(window, *w, where.adjusted(-3, -3, 3, 3))});
        };
        if (auto *label = qobject_cast<QLabel *>(w)) {  // its lines laid out on the em box
            QRect lines = metrics.boundingRect(place, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
            lines.setHeight(lines.height() / metrics.height() * (w->font().pixelSize() + 1));
            add(label->text(), w->font(), w->palette().color(QPalette::WindowText), lines & place);
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            add(button->text(), w->font(), w->palette().color(QPalette::ButtonText),
                metrics.boundingRect(place, Qt::AlignCenter, button->text()));
        } else if (auto *entry = qobject_cast<QLineEdit *>(w)) {
            add(entry->text(), w->font(), w->palette().color(QPalette::Text), place.adjusted(3, 3, -3, -3));
        } else if (auto *canvas = qobject_cast<forms::PictureBox *>(w)) {
            for (const auto &printed : canvas->printed())
                add(printed.text, canvas->canvasFont(), canvas->foreColor,
                    printed.ink.translated(canvas->clientArea().topLeft()), printed.italic);
        }
    }
    return texts;
}

// The texts of labels and buttons that do not fit: wider than their control
// (a label's would wrap out of sight) or over another such text.
QString crowded(QWidget &window)
{
    QString found;
    QHash<QString, QRect> texts;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        const bool button = w->inherits("QPushButton");
        const QString text = w->inherits("QLabel") || button ? w->property("text").toString() : QString();
        const int width = QFontMetrics(w->font()).horizontalAdvance(text),
                  room = forms::layoutOf(*w).width() - (button ? 8 : 0);
        const QRect ink = onWindow(
            window, *w, QRect(button ? (room + 8 - width) / 2 : 0, 0, width, QFontMetrics(w->font()).height()));
        if (text.isEmpty() || !window.rect().intersects(ink)) continue;
        if (width > room) found += text + " is wider than " + w->objectName() + "; ";
        for (const auto &[other, its] : texts.asKeyValueRange())
            if (ink.intersects(its)) found += text + " runs over " + other + "; ";
        texts.insert(text, ink);
    }
    return found;
}

// Where a picture strays from another: the device pixels of either that no
// pixel of the other matches at the same place, in each colour channel to
// within 8 levels (where pictures are, 24 and a logical pixel off too; where
// text is, two, somewhat lighter or darker, or a shade between or a little
// past two neighbours), and that lie in a patch of such pixels, two more among
// their eight neighbours. Another release's rasteriser, which shifts a text by
// a pixel or part of one, lands a stroke on one column instead of two, shades
// the edge of a glyph or a picture differently or draws a degree sign a little
// bigger, strays nowhere; a control or a line a pixel off, a changed colour, a
// missing picture, line or character does.
QImage strays(const QImage &a, const QImage &b, const QRegion &text, const QRegion &pictures, int ratio)
{
    QImage out(a.size(), QImage::Format_RGB32), lone = out;
    out.fill(Qt::white), lone.fill(Qt::white);
    auto close = [](QRgb p, QRgb q, int reach) {
        const int r = std::abs(qRed(p) - qRed(q)), g = std::abs(qGreen(p) - qGreen(q)),
                  b = std::abs(qBlue(p) - qBlue(q));
        return reach == 2 ? r + g + b <= 96 : std::max({r, g, b}) <= (reach ? 24 : 8);
    };
    // A glyph moved by part of a pixel, or a stroke landed whole on one column
    // that was shared by two: a shade on the way between two neighbours, or up
    // to half as far again past either. Another hue leaves that line.
    auto blend = [](QRgb p, QRgb q1, QRgb q2) {
        const QVector3D a(qRed(q1), qGreen(q1), qBlue(q1)), d = QVector3D(qRed(q2), qGreen(q2), qBlue(q2)) - a,
                        v = QVector3D(qRed(p), qGreen(p), qBlue(p)) - a;
        const float t = std::clamp(QVector3D::dotProduct(v, d) / std::max(1.0f, d.lengthSquared()), -0.5f, 1.5f);
        const QVector3D off = v - t * d;
        return std::max({std::abs(off.x()), std::abs(off.y()), std::abs(off.z())}) <= 24;
    };
    auto matched = [&](const QImage &from, const QImage &in, int x, int y) {
        const int reach = text.contains(QPoint(x, y)) ? 2 : pictures.contains(QPoint(x, y)), p = from.pixel(x, y);
        auto at = [&](int dx, int dy) {
            return in.rect().contains(x + dx, y + dy) ? in.pixel(x + dx, y + dy) : p ^ 0xffffff;
        };
        for (int dy = -reach * ratio; dy <= reach * ratio; ++dy)
            for (int dx = -reach * ratio; dx <= reach * ratio; ++dx)
                if (in.rect().contains(x + dx, y + dy)
                    && (close(p, at(dx, dy), reach)
                        || (reach == 2
                            && (blend(p, at(dx, dy), at(dx + 1, dy)) || blend(p, at(dx, dy), at(dx, dy + 1))))))
                    return true;
        return false;
    };
    for (int pass = 0; pass < 2; ++pass)
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (pass ? lone.pixel(x, y) != qRgb(255, 255, 255)
                               && testing_support::count(lone, QRect(x - 1, y - 1, 3, 3) & lone.rect(), Qt::red, 0) >= 3
                         : !matched(a, b, x, y) || !matched(b, a, x, y))
                    (pass ? out : lone).setPixel(x, y, qRgb(255, 0, 0));
    return out;
}

// Where a text is not in its colour: its ink, the pixel of its place furthest
// from the ground there (the commonest colour), lies on the way from the
// ground to that colour, at least halfway along. Another rasteriser covers a
// glyph's pixels a little more or less; a colour of another hue fails. A
// colour too near its ground to tell (a disabled button's) is left to the list.
QString offColour(const QImage &image, const QTransform &device, const std::vector<Text> &texts)
{
    QString off;
    for (const Text &text : texts) {
        QHash<QRgb, int> seen;
        for (const QRect &r : device.map(text.where))
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) ++seen[image.pixel(x, y)];
        QRgb ground = 0, ink = 0;
        for (auto [colour, n] : seen.asKeyValueRange()) ground = n > seen.value(ground) ? colour : ground;
        const QVector3D g(qRed(ground), qGreen(ground), qBlue(ground)),
            d = QVector3D(text.colour.red(), text.colour.green(), text.colour.blue()) - g;
        auto from = [&](QRgb p) { return QVector3D(qRed(p), qGreen(p), qBlue(p)) - g; };
        for (QRgb p : seen.keys()) ink = from(p).length() > from(ink).length() || ink == 0 ? p : ink;
        const double along = QVector3D::dotProduct(from(ink), d) / std::max(1.0f, d.lengthSquared());
        if (d.length() > 48 && (along < 0.5 || (from(ink) - float(along) * d).length() > 48))
            off += text.line + " inked " + QColor(ink).name() + " on " + QColor(ground).name() + "; ";
    }
    return off;
}

// Where a window shows pictures: its images, picture buttons and boxes, and
// the frame of its background picture along its edges.
QRegion picturesOf(QWidget &window)
{
    const int edge = qRound(10 * forms::zoomOf(window));
    QRegion pictures = QRegion(window.rect()) - window.rect().adjusted(edge, edge, -edge, -edge);
    for (QWidget *w : window.findChildren<QWidget *>())
        if (auto *surface = qobject_cast<forms::Surface *>(w); w->inherits("forms::Image")
                                                               || w->inherits("forms::PictureButton")
                                                               || (surface && !surface->picture().isNull()))
            pictures += QRect(w->mapTo(&window, QPoint()), w->size());
    return pictures;
}

struct Looks : testing::Test {
    Looks() { forms::Timer::useManualClock(true), QApplication::setCursorFlashTime(0); }
    ~Looks() override { forms::Timer::useManualClock(false); }
    // Shown at the zoom a run asks for (ZENTRAK_ZOOM), as Ctrl+plus would show it.
    const double zoom = qEnvironmentVariableIsSet("ZENTRAK_ZOOM") ? qEnvironmentVariable("ZENTRAK_ZOOM").toDouble() : 1;
    forms::Form &shown(forms::Form &w) const { return w.setZoom(zoom), w.show(), QApplication::setActiveWindow(&w), w; }
    int ratio(QWidget &w) const { return qRound(w.devicePixelRatioF() * zoom); }  // device pixels a layout pixel

    // The window against its reference picture, and what it says, each text
    // in sight a line: a glyph a pixel comparison cannot tell from another
    // (α for a) is a different text there.
    void look(QWidget &shown, const QString &name)
    {
        QImage actual = shown.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QTransform device = QTransform::fromScale(actual.devicePixelRatio(), actual.devicePixelRatio());
        actual.setDevicePixelRatio(1);  // compared pixel for pixel
        const std::vector<Text> texts = textsOf(shown);
        QString lines = shown.windowTitle() + '\n';
        QRegion where;
        for (const Text &t : texts) lines += t.line + '\n', where += t.where;
        reviewed(name + ".txt", lines, ratio(shown));
        const QString path = references(ratio(shown)) + '/' + name + ".png";
        if (Update) {
            ASSERT_TRUE(actual.save(path)) << path.toStdString();
            return;
        }
        const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(actual.size(), expected.size()) << name.toStdString() << ": " << path.toStdString();
        EXPECT_EQ(crowded(shown) + offColour(actual, device, texts), "") << name.toStdString();
        const QImage off = strays(actual, expected, device.map(where), device.map(picturesOf(shown)), ratio(shown));
        const int n = testing_support::count(off, off.rect(), Qt::red, 0);
        if (n > 0 && QDir().mkpath(STRAYS_DIR))
            actual.save(STRAYS_DIR "/" + name + ".png"), off.save(STRAYS_DIR "/" + name + "-strays.png");
        EXPECT_EQ(n, 0) << name.toStdString() << " strays from " << path.toStdString() << "; see " STRAYS_DIR;
    }
    // The message box the next event opens, told as "title | text in its face | icon | button" and answered.
    QString messages;
    void answerTheBox()
    {
        QTimer::singleShot(0, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_TRUE(box && box->buttons().size() == 1);
            const QFontInfo face(box->findChild<QLabel *>("qt_msgbox_label")->font());
            const QString icon = box->icon() == QMessageBox::Warning ? "exclamation" : "other";
            messages += QString("%1 | %2 [%3 %4px] | %5 | %6\n").arg(box->windowTitle(), box->text(), face.family())
                            .arg(face.pixelSize()).arg(icon, box->buttons()[0]->text());
            box->buttons()[0]->click();
        });
    }
    // Lets the clock run until no timer is left: the ms it took.
    static int settle(std::initializer_list<forms::Timer *> timers, int ms = 0)
    {
        for (; std::ranges::any_of(timers, &forms::Timer::isEnabled) && ms < 100000; ms += 20)
            forms::Timer::advanceClock(20);
        return ms;
    }
    static void enter(QLineEdit &entry, const char *text, QAbstractButton &button) {
        entry.setText(QString::fromUtf8(text)), button.click();
    }
};

TEST_F(Looks, UnitrixThroughALessonOfEachFormula)
{
    unitrix::Form1 f;
    forms::Form &w = shown(f.window());
    const auto all = {&f.Timer1, &f.Timer2, &f.Timer3};
    look(w, "unitrix-start");
    w.click("Picture6");
    look(w, "unitrix-list");
    w.click("Image12"), enter(f.Text1, "30", f.Command1);
    forms::Timer::advanceClock(400);  // P marked after 6 ticks, Q turning for 14
    look(w, "unitrix-plus-30-at-400ms");
    w.click("Command2");  // a run cleared part way starts afresh
    look(w, "unitrix-cleared");
    enter(f.Text1, "30", f.Command1);
    EXPECT_EQ(settle(all), 860) << "6 ticks for P, 37 for Q";
    look(w, "unitrix-plus-30");
    // One per quadrant and past two turns; figure 3, hidden but for its blue mark, after the second.
    for (const auto &[item, alpha, name, ms] : {std::tuple("Image13", "90", "unitrix-minus-90", 320 + 320),
                                                 std::tuple("Image14", "-180", "unitrix-negative-minus-180", 640 + 640),
                                                 std::tuple("Image13", "135", "unitrix-minus-135", 480 + 160),
                                                 std::tuple("Image12", "-60", "unitrix-plus-minus-60", 220 + 420),
                                                 std::tuple("Image14", "750", "unitrix-negative-750", 2620 + 2620)}) {
        w.click("Command2"), w.click("Picture6"), w.click(item), enter(f.Text1, alpha, f.Command1);
        EXPECT_EQ(settle(all), ms) << name;
        look(w, name);
        if (QString(name).endsWith("-180")) {
            enter(f.Text3, "400", f.Command5);
            EXPECT_EQ(settle(all), 1400);
            look(w, "unitrix-figure3-400");
        }
    }
    w.click("Command2"), answerTheBox(), enter(f.Text1, "1800.5", f.Command1);
    look(w, "unitrix-refused");
    w.click("Picture6"), w.click("Image12"), enter(f.Text1, "1700", f.Command1); // OQ's angle, 1880, refused at P's end
    answerTheBox(), settle(all);
    reviewed("unitrix-messages.txt", messages, ratio(w));
}

TEST_F(Looks, AngulonThroughALessonOfEachRow)
{
    angulon::Form1 f;
    forms::Form &w = shown(f.window());
    const auto all = {&f.Timer1, &f.Timer2, &f.Timer3};
    look(w, "angulon-start");
    enter(f.Text1, "120", f.Command1);
    EXPECT_EQ(settle(all), 420);
    look(w, "angulon-alpha-120");
    enter(f.Text2, "400", f.Command4);
    forms::Timer::advanceClock(500);
    look(w, "angulon-beta-400-at-500ms");
    EXPECT_EQ(settle(all), 1400 - 500);
    look(w, "angulon-beta-400");
    enter(f.Text3, "-1080", f.Command5);
    EXPECT_EQ(settle(all), 3780);
    look(w, "angulon-gamma-minus-1080");
    w.click("Command2");
    // each row clockwise, γ above; β past two turns
    enter(f.Text1, "-45", f.Command1), enter(f.Text2, "-800", f.Command4);
    EXPECT_EQ(settle(all), 2800);
    look(w, "angulon-clockwise");
    w.click("Command2");
    for (auto [entry, button] :
         {std::pair(&f.Text1, &f.Command1), std::pair(&f.Text2, &f.Command4), std::pair(&f.Text3, &f.Command5)})
        answerTheBox(), enter(*entry, "1800.5", *button);
    reviewed("angulon-messages.txt", messages, ratio(w));
}

// Every picture a window description names loads and draws something, and so
// does the window icon; a picture that cannot be loaded is reported.
TEST(Pictures, EveryPictureOfTheWindowsDraws)
{
    for (const forms::WindowSpec *spec : {&unitrix::Form1::description(), &angulon::Form1::description()}) {
        QStringList paths{spec->picture};
        for (const forms::ControlSpec &c : spec->controls)
            paths << c.props.picture << c.props.downPicture << c.props.disabledPicture;
        for (const QString &path : paths.filter(QRegularExpression("."))) {
            QImage drawn(forms::Picture(path).size().expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            forms::Picture(path).paint(painter, {});
            EXPECT_TRUE(painter.end() && !testing_support::inkRegion(drawn, 0).isEmpty()) << path.toStdString();
        }
        EXPECT_FALSE(QIcon(spec->icon).pixmap(32).isNull()) << spec->icon.toStdString();
    }
    testing::internal::CaptureStderr();
    forms::Picture(":/nowhere.svg").size();
    EXPECT_TRUE(QString::fromStdString(testing::internal::GetCapturedStderr())
                    .contains("forms: cannot load picture :/nowhere.svg\n"));
}

} // namespace
