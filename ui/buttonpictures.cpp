#include "ui/buttonpictures.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace buttonpictures {

namespace {

QPixmap render(QSvgRenderer &renderer, QSize size, qreal scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

ImageList loadList(const char *folder)
{
    ImageList list;
    for (int number = 1; number <= PictureCount; ++number) {
        QSize size;
        const QIcon picture =
            loadPicture(QStringLiteral(":/buttons/%1/%2.svg").arg(QLatin1String(folder)).arg(number, 2, 10, QChar('0')),
                        &size);
        list.add(picture, size);
    }
    return list;
}

} // namespace

QIcon loadPicture(const QString &path, QSize *size)
{
    QSvgRenderer renderer(path);
    if (size)
        *size = QSize();
    if (!renderer.isValid())
        return {};
    const QSize own = renderer.defaultSize();
    QIcon icon;
    icon.addPixmap(render(renderer, own, 1));
    icon.addPixmap(render(renderer, own, 2));
    if (size)
        *size = own;
    return icon;
}

ImageList normalPictures()
{
    return loadList("normal");
}

ImageList rollPictures()
{
    return loadList("roll");
}

QIcon buttonPicture(const QString &name)
{
    return loadPicture(QStringLiteral(":/buttons/%1.svg").arg(name));
}

QPixmap programIconPixmap(int size)
{
    QSvgRenderer renderer(QStringLiteral(":/trevisto.svg"));
    if (!renderer.isValid())
        return {};
    return render(renderer, QSize(size, size), 1);
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(programIconPixmap(size));
    return icon;
}

} // namespace buttonpictures
