// kalvo-render-icon SVG PNG SIZE: draws the application icon at one size for the icon
// theme folders. The build runs it once per size, so the PNG files never go stale.
#include <cstdio>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: kalvo-render-icon SVG PNG SIZE\n");
        return 2;
    }
    // Drawing needs the GUI library but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[3]).toInt(&ok);
    if (!ok || size < 16 || size > 1024) {
        std::fprintf(stderr, "kalvo-render-icon: the size must be 16 to 1024 pixels\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "kalvo-render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "kalvo-render-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
