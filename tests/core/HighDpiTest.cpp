// Scaled screens (150 %, 200 %): the window artwork is drawn at the screen's resolution, the same picture only sharper.
#include "core/Picture.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {
// The part of the picture that is drawn on, in device pixels.
QRect DrawnArea(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 128)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}
}

TEST(HighDpi, ArtFillsTheSameBoxAtEveryScaleWithMorePixels)
{
    const QSize box(150, 60);
    const QRect plain = DrawnArea(RenderArt(QStringLiteral(":/art/logo.svg"), box));
    ASSERT_FALSE(plain.isEmpty());
    for (qreal ratio : { 1.5, 2.0 }) {
        const QPixmap pixmap = RenderArt(QStringLiteral(":/art/logo.svg"), box, ratio);
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), box) << ratio;
        EXPECT_EQ(pixmap.size(), box * ratio) << ratio;
        const QRect scaled = DrawnArea(pixmap);
        EXPECT_NEAR(scaled.left(), plain.left() * ratio, 2) << ratio;
        EXPECT_NEAR(scaled.top(), plain.top() * ratio, 2) << ratio;
        EXPECT_NEAR(scaled.right(), plain.right() * ratio, 3) << ratio;
        EXPECT_NEAR(scaled.bottom(), plain.bottom() * ratio, 3) << ratio;
    }
}
