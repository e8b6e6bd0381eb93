// Build tool: renders an SVG picture to a PNG file at the picture's own size
// (its width and height attributes), with a transparent background.
//
//   svgrender <picture.svg> <picture.png>
//
// Run it under QT_QPA_PLATFORM=offscreen; pictures with text need the fonts
// they name installed.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: svgrender <picture.svg> <picture.png>\n";
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        err << "svgrender: cannot read " << args.at(1) << '\n';
        return 1;
    }
    const QSize size = renderer.defaultSize();
    if (size.isEmpty()) {
        err << "svgrender: " << args.at(1) << " has no size\n";
        return 1;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter);
    }
    QDir().mkpath(QFileInfo(args.at(2)).absolutePath());
    if (!image.save(args.at(2), "PNG")) {
        err << "svgrender: cannot write " << args.at(2) << '\n';
        return 1;
    }
    return 0;
}
