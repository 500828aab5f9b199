// The artwork: the two numbered picture lists, the other pictures and the icon.
#include "ui/buttonpictures.h"
#include "ui/frmAbout.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

namespace {

QSize listedSize(int number, bool roll)
{
    if (number <= 10)
        return {28, 28};
    if (number <= 12)
        return {16, 16};
    if (number <= 14)
        return {32, 16};
    return roll ? QSize(30, 31) : QSize(32, 32);
}

QImage imageAt(const QIcon &icon, QSize size, qreal scale)
{
    return icon.pixmap(size, scale).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(ButtonPictures, ThirtyPicturesLoadAtTheirSizesAndEachRollOverDiffers)
{
    const ImageList normal = buttonpictures::normalPictures();
    const ImageList roll = buttonpictures::rollPictures();
    ASSERT_EQ(normal.count(), 15);
    ASSERT_EQ(roll.count(), 15);
    for (int n = 1; n <= 15; ++n) {
        SCOPED_TRACE(n);
        for (bool isRoll : {false, true}) {
            const ImageList &list = isRoll ? roll : normal;
            const QSize size = listedSize(n, isRoll);
            ASSERT_FALSE(list.ListImages(n).isNull());
            EXPECT_EQ(list.imageSize(n), size);
            // Drawn at the size itself and at twice that for high-density screens.
            const QList<QSize> drawn = list.ListImages(n).availableSizes();
            EXPECT_TRUE(drawn.contains(size));
            EXPECT_TRUE(drawn.contains(size * 2));
            const QImage image = imageAt(list.ListImages(n), size, 1);
            EXPECT_EQ(image.size(), size);
            EXPECT_FALSE(image.isNull());
        }
        const QSize size = listedSize(n, false);
        EXPECT_NE(imageAt(normal.ListImages(n), size, 1), imageAt(roll.ListImages(n), size, 1));
        EXPECT_NE(normal.ListImages(n).cacheKey(), roll.ListImages(n).cacheKey());
        // Two different glyphs are never the same picture either.
        if (n > 1 && listedSize(n - 1, false) == size) {
            EXPECT_NE(imageAt(normal.ListImages(n - 1), size, 1), imageAt(normal.ListImages(n), size, 1));
        }
    }
    // Counted from 1, and nothing past the end.
    EXPECT_TRUE(normal.ListImages(0).isNull());
    EXPECT_TRUE(normal.ListImages(16).isNull());
    EXPECT_FALSE(normal.imageSize(16).isValid());
}

TEST(ButtonPictures, PicturesAreDrawnNotBlank)
{
    // A picture whose source drew nothing would load as a clear square of the right size.
    auto inked = [](const QImage &image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += qAlpha(image.pixel(x, y)) > 128;
        return count;
    };
    const ImageList normal = buttonpictures::normalPictures();
    for (int n = 1; n <= 15; ++n) {
        SCOPED_TRACE(n);
        const QSize size = listedSize(n, false);
        const int ink = inked(imageAt(normal.ListImages(n), size, 1));
        EXPECT_GT(ink, size.width() * size.height() / 20);
        EXPECT_LT(ink, size.width() * size.height()) << "a glyph, not a filled square";
    }
    for (const char *name : {"goto", "addlist"}) {
        SCOPED_TRACE(name);
        QSize size;
        const QIcon icon = buttonpictures::loadPicture(QStringLiteral(":/buttons/%1.svg").arg(name), &size);
        ASSERT_FALSE(icon.isNull());
        EXPECT_GT(inked(imageAt(icon, size, 1)), 10);
    }
    EXPECT_TRUE(buttonpictures::loadPicture(QStringLiteral(":/buttons/none.svg")).isNull());

    const QPixmap icon = frmAbout::programIcon(64);
    ASSERT_EQ(icon.size(), QSize(64, 64));
    EXPECT_GT(inked(icon.toImage()), 64 * 64 / 2);
    EXPECT_TRUE(buttonpictures::programIcon().availableSizes().contains(QSize(256, 256)));
}

} // namespace
