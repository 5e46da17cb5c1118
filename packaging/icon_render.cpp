// ordinax-icon-render: draws the application's SVG icon into a square PNG of a
// given size, so that the package ships the raster sizes of the icon theme.
// Build-time tool only; it is not installed.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: ordinax-icon-render ICON.svg SIZE OUT.png\n");
        return 2;
    }
    // The icon holds no text, so no application object (and no display) is needed to draw it.
    const int size = std::atoi(argv[2]);
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "ordinax-icon-render: size %s out of 16..1024\n", argv[2]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "ordinax-icon-render: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "ordinax-icon-render: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
