#include "core/ArtDrawing.h"

#include <QFileInfo>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>

#include <algorithm>

namespace {
bool IsOpaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (!std::all_of(line, line + image.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; }))
            return false;
    }
    return true;
}
}

// Drawn at the screen's resolution: on a scaled screen (150 %, 200 %) a picture made at the box's size would be
// stretched up and blurred. The painter works in device-independent pixels; without the bounds the renderer would
// fill the device's own pixel count and draw a scaled picture twice too large.
QImage DrawSvgArt(const QString& resource, QSize size, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    // Most artwork covers its whole box (every window's background does): it is kept in three bytes a pixel instead
    // of four, converted where it lies, so a window's picture costs a quarter less memory for as long as it is shown.
    if (IsOpaque(image))
        image.convertTo(QImage::Format_RGB888);
    return image;
}

QImage BakedArt(const QString& resource, QSize size)
{
    if (!resource.startsWith(QLatin1String(":/art/")))
        return {};
    const QString base = QStringLiteral(":/baked/%1-%2x%3.")
                             .arg(QFileInfo(resource).completeBaseName())
                             .arg(size.width())
                             .arg(size.height());
    const std::pair<const char*, QImage::Format> kinds[]
        = { { "rgb", QImage::Format_RGB888 }, { "argb", QImage::Format_ARGB32_Premultiplied } };
    for (auto [suffix, format] : kinds) {
        const QResource baked(base + QLatin1String(suffix));
        if (!baked.isValid())
            continue;
        // The pixels are read where the program keeps them; a file of another size is no drawing of this box.
        const QImage image(baked.data(), size.width(), size.height(), format);
        if (baked.compressionAlgorithm() != QResource::NoCompression || baked.size() != image.sizeInBytes())
            return {};
        return image;
    }
    return {};
}
