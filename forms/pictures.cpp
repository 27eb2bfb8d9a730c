#include "pictures.h"

#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <memory>

namespace forms {

namespace {

// Parsed once; drawn straight into each paint, so a picture is sharp at any
// pixel ratio and costs no pixmap memory. Pictures are repainted rarely.
struct Rendered {
    std::shared_ptr<QSvgRenderer> svg;
    QSize size;
};

Rendered &rendered(const QString &path)
{
    static QHash<QString, Rendered> cache;
    auto it = cache.find(path);
    if (it == cache.end()) {
        auto svg = std::make_shared<QSvgRenderer>(path);
        const QSize size = svg->isValid() ? svg->defaultSize() : QSize();
        if (size.isEmpty())  // a packaging fault must not reach a classroom as a silent blank
            std::fprintf(stderr, "forms: cannot load picture %s\n", qPrintable(path));
        it = cache.insert(path, Rendered{std::move(svg), size});
    }
    return *it;
}

} // namespace

Picture::Picture(const QString &path, QString title) : path_(path), title_(std::move(title))
{
    const QFileInfo file(path);
    const QString twin = file.path() + u'/' + QLocale().name().section(u'_', 0, 0) + u'/' + file.fileName();
    if (!path.isEmpty() && QFileInfo::exists(twin))
        path_ = twin;
}

QSize Picture::size() const
{
    return isNull() ? QSize() : rendered(path_).size;
}

void Picture::paint(QPainter &painter, QPointF topLeft, double scale) const
{
    if (isNull())
        return;
    Rendered &r = rendered(path_);
    if (r.size.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    r.svg->render(&painter, QRectF(topLeft, QSizeF(r.size) * scale));
    painter.restore();
}

} // namespace forms
