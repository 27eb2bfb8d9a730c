#include "pictures.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <memory>

namespace forms {

namespace {

struct Rendered {
    std::shared_ptr<QSvgRenderer> svg;  // parsed once, for the size and every rendering
    QSize size;
    QHash<qreal, QPixmap> byRatio;      // one pixmap per device pixel ratio met
};

Rendered &rendered(const QString &path)
{
    static QHash<QString, Rendered> cache;
    auto it = cache.find(path);
    if (it == cache.end()) {
        auto svg = std::make_shared<QSvgRenderer>(path);
        const QSize size = svg->isValid() ? svg->defaultSize() : QSize();
        it = cache.insert(path, Rendered{std::move(svg), size, {}});
    }
    return *it;
}

} // namespace

QSize Picture::size() const
{
    return isNull() ? QSize() : rendered(path_).size;
}

void Picture::paint(QPainter &painter, QPointF topLeft) const
{
    if (isNull())
        return;
    Rendered &r = rendered(path_);
    if (r.size.isEmpty())
        return;
    const qreal ratio = painter.device()->devicePixelRatioF();
    auto it = r.byRatio.find(ratio);
    if (it == r.byRatio.end()) {
        QPixmap pixmap(r.size * ratio);
        pixmap.fill(Qt::transparent);
        {
            QPainter p(&pixmap);
            p.setRenderHint(QPainter::Antialiasing);
            r.svg->render(&p);
        }
        pixmap.setDevicePixelRatio(ratio);
        it = r.byRatio.insert(ratio, pixmap);
    }
    painter.drawPixmap(topLeft, *it);
}

} // namespace forms
