// Renders the program's SVG icon to a square PNG of the asked size, for the icon theme's
// fixed-size folders: render-icon SOURCE.svg SIZE OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: render-icon SOURCE.svg SIZE OUTPUT.png\n");
        return 1;
    }
    const int size = QString(argv[2]).toInt();
    QSvgRenderer svg {QString(argv[1])};
    if (size <= 0 || !svg.isValid()) {
        std::fprintf(stderr, "render-icon: cannot render %s at size %s\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return image.save(QString(argv[3]), "PNG") ? 0 : 1;
}
