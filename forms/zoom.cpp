// The window at a zoom: its controls laid out again, and the keys that step it.
#include "form.h"

#include <QApplication>
#include <QLineEdit>
#include <QResizeEvent>
#include <QShortcut>
#include <algorithm>
#include <cmath>

namespace forms {

namespace {

// As a browser steps its zoom.
const double Steps[] = {0.5, 0.67, 0.75, 0.8, 0.9, 1, 1.1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4};

bool fillsScreen(const QWidget &window) { return window.isMaximized() || window.isFullScreen(); }

} // namespace

void Form::addZoomKeys()
{
    auto key = [this](const QKeySequence &keys, auto action) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, action);
        return shortcut;
    };
    key(QKeySequence::ZoomIn, [this] { stepZoom(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { stepZoom(1); });  // plus without Shift
    key(QKeySequence::ZoomOut, [this] { stepZoom(-1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoom(1); });
    key(QKeySequence(Qt::Key_F11), [this] { isFullScreen() ? showNormal() : showFullScreen(); });
    leaveFullScreen_ = key(QKeySequence(Qt::Key_Escape), [this] { showNormal(); });
    leaveFullScreen_->setEnabled(false);  // Escape means nothing else here
}

// The largest zoom at which the client area fits the window; a zoom asked for
// instead where it fits, to within the pixel the window's size was rounded to.
double Form::fit() const
{
    const double fits = std::min(width() / double(client_.width()), height() / double(client_.height()));
    return wanted_ && fits >= wanted_ * 0.995 ? wanted_ : fits;
}

void Form::setZoom(double zoom)
{
    wanted_ = zoom;
    if (!fillsScreen(*this)) {
        asked_ = QSize(int(std::ceil(client_.width() * zoom)), int(std::ceil(client_.height() * zoom)));
        resize(asked_);
    }
    applyZoom(fit());
}

void Form::stepZoom(int steps)
{
    const double *at =
        steps > 0 ? std::ranges::upper_bound(Steps, zoom_ + 1e-6) : std::ranges::lower_bound(Steps, zoom_ - 1e-6) - 1;
    if (at >= std::begin(Steps) && at < std::end(Steps))
        setZoom(*at);
}

void Form::resizeEvent(QResizeEvent *event)
{
    Surface::resizeEvent(event);
    if (!fillsScreen(*this) && size() != asked_)  // dragged by its edge: the lesson fills it
        wanted_ = 0;
    applyZoom(fit());
}

void Form::changeEvent(QEvent *event)
{
    Surface::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    leaveFullScreen_->setEnabled(isFullScreen());
    wanted_ = 0;  // maximised, full screen or back: the lesson fills the window
}

// Every control moves to its place at the zoom, the page centred in the
// window; the canvases draw their pictures anew at the new resolution.
void Form::applyZoom(double zoom)
{
    zoom_ = zoom;
    const QSizeF margin = (QSizeF(size()) - QSizeF(client_) * zoom) / 2;
    setProperty("formsZoom", zoom);
    setProperty("formsPage", QPoint(std::max(0, int(margin.width())), std::max(0, int(margin.height()))));
    for (QWidget *widget : std::as_const(placed_)) {
        place(*widget);
        if (auto *entry = qobject_cast<QLineEdit *>(widget)) {  // drawn by Qt: its font at the zoom
            QFont font = entry->font();
            font.setPixelSize(std::max(1, int(std::lround(entry->property("formsPixelSize").toInt() * zoom))));
            entry->setFont(font);
        }
    }
    regrid();
    for (Surface *surface : findChildren<Surface *>())
        surface->regrid();
    for (QWidget *widget : std::as_const(placed_))
        widget->update();
}

// The logical pixels that hold the control's device pixels at the zoom.
void Form::place(QWidget &widget)
{
    const DeviceGrid grid(widget);
    const QRect window = QRectF(QRectF(grid.inWindow()).topLeft() / grid.ratio(),
                                QSizeF(grid.inWindow().size()) / grid.ratio()).toAlignedRect();
    widget.setGeometry(window.translated(-widget.parentWidget()->mapTo(this, QPoint())));
    if (widget.parentWidget() != this)
        return;
    // What lies outside the client area is not seen, in the margin around the page too.
    const QRect page = QRectF(QPointF(property("formsPage").toPoint()), QSizeF(client_) * zoom_).toAlignedRect();
    const QRect seen = (page & widget.geometry()).translated(-widget.pos());
    if (seen == widget.rect())
        widget.clearMask();
    else
        widget.setMask(seen.isEmpty() ? QRegion(-1, -1, 1, 1) : QRegion(seen));
}

} // namespace forms
