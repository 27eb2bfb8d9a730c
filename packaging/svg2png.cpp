// Renders an SVG icon into a square PNG of the given size, so the hicolor
// PNGs come from the same SVG the window uses and need no outside converter.
//   svg2png INPUT.svg OUTPUT.png SIZE
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // A GUI application for the font database, should an icon hold text;
    // run with QT_QPA_PLATFORM=offscreen so no display is needed.
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool sized = false;
    const int size = args.size() == 4 ? args[3].toInt(&sized) : 0;
    if (!sized || size <= 0) {
        std::fprintf(stderr, "usage: svg2png INPUT.svg OUTPUT.png SIZE\n");
        return 2;
    }

    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "svg2png: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.setAspectRatioMode(Qt::KeepAspectRatio);
        svg.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(args[2], "PNG")) {
        std::fprintf(stderr, "svg2png: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
