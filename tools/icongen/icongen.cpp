// Draws the program icon at one size as PNG, for the icon themes that want bitmaps
// beside the scalable picture: icongen INPUT.svg SIZE OUTPUT.png
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s INPUT.svg SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    bool sized = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&sized);
    if (!sized || size < 1 || size > 4096) {
        std::fprintf(stderr, "%s: not a size: %s\n", argv[0], argv[2]);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: cannot read the picture\n", argv[1]);
        return 1;
    }

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();

    QSaveFile out(QString::fromLocal8Bit(argv[3]));
    if (!out.open(QIODevice::WriteOnly) || !image.save(&out, "PNG") || !out.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[3], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
