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

// Artwork that covers its whole box is kept in three bytes a point, at the screen's resolution all the same; artwork
// with clear parts keeps them clear, so what stands behind it still shows.
TEST(HighDpi, ArtCoveringItsBoxIsKeptWithoutTransparencyAndOtherArtKeepsIt)
{
    struct Case {
        const char* art;
        bool clear;
    };
    for (const Case c : { Case { ":/art/name_background.svg", false }, Case { ":/art/logo.svg", true } }) {
        for (qreal ratio : { 1.0, 2.0 }) {
            const QPixmap pixmap = RenderArt(QString::fromLatin1(c.art), QSize(150, 60), ratio);
            EXPECT_EQ(pixmap.devicePixelRatio(), ratio) << c.art;
            EXPECT_EQ(pixmap.hasAlphaChannel(), c.clear) << c.art << " at " << ratio;
            EXPECT_EQ(pixmap.depth(), c.clear ? 32 : 24) << c.art << " at " << ratio;
            EXPECT_EQ(DrawnArea(pixmap).isEmpty(), false) << c.art;
        }
    }
}
