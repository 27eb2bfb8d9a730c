// Pictures of the window descriptions: SVG assets drawn at their own size in
// logical pixels, rendered at the device's resolution so they stay sharp.
#pragma once

#include <QPointF>
#include <QSize>
#include <QString>

class QPainter;

namespace forms {

class Picture {
public:
    Picture() = default;
    // A picture that carries words is shown in the windows' language: its twin
    // of the same name in the folder of that language beside it, where there
    // is one (":/unitrix/en/instructions.svg" for ":/unitrix/instructions.svg").
    explicit Picture(const QString &path, QString title = {});

    bool isNull() const { return path_.isEmpty(); }
    const QString &title() const { return title_; }  // what a screen reader says of it
    QSize size() const;  // the picture's own size in logical pixels
    // Drawn from its SVG at its own size times scale, in the painter's units.
    void paint(QPainter &painter, QPointF topLeft, double scale = 1) const;

    bool operator==(const Picture &other) const { return path_ == other.path_; }

private:
    QString path_;
    QString title_;
};

} // namespace forms
