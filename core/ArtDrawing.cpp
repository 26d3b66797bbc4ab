#include "core/ArtDrawing.h"

#include "core/Picture.h"

#include <QDataStream>
#include <QFileInfo>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>

#include <algorithm>
#include <zstd.h>

namespace {
// "TART": the first four bytes of every packed drawing, then the version of the packing.
constexpr quint32 PackMagic = 0x54415254;
// Version 2: the points compressed with zstd, which unpacks several times faster than zlib at a smaller size.
constexpr quint16 PackVersion = 2;
// zstd's strongest ordinary level: the build packs once, every start unpacks.
constexpr int PackLevel = 19;

bool IsOpaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (!std::all_of(line, line + image.width(), [](QRgb point) { return qAlpha(point) == 255; }))
            return false;
    }
    return true;
}

bool PackableFormat(int format)
{
    return format == QImage::Format_RGB888 || format == QImage::Format_ARGB32_Premultiplied;
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
    // Most artwork covers its whole box (every window's background does): it is kept in three bytes a point instead
    // of four, converted where it lies, so a window's picture costs a quarter less memory for as long as it is shown.
    if (IsOpaque(image))
        image.convertTo(QImage::Format_RGB888);
    return image;
}

QByteArray PackArt(const QImage& image)
{
    if (image.isNull() || !PackableFormat(image.format()))
        return {};
    QByteArray points(qsizetype(ZSTD_compressBound(size_t(image.sizeInBytes()))), Qt::Uninitialized);
    const size_t pointsSize = ZSTD_compress(
        points.data(), size_t(points.size()), image.constBits(), size_t(image.sizeInBytes()), PackLevel);
    if (ZSTD_isError(pointsSize))
        return {};
    points.truncate(qsizetype(pointsSize));
    QByteArray packed;
    QDataStream out(&packed, QIODevice::WriteOnly);
    out << PackMagic << PackVersion << qint32(image.width()) << qint32(image.height()) << qint32(image.format())
        << qint32(image.bytesPerLine()) << points;
    return packed;
}

QImage UnpackArt(const QByteArray& packed)
{
    QDataStream in(packed);
    quint32 magic = 0;
    quint16 version = 0;
    qint32 width = 0, height = 0, format = 0, bytesPerLine = 0;
    QByteArray points;
    in >> magic >> version >> width >> height >> format >> bytesPerLine >> points;
    if (in.status() != QDataStream::Ok || !in.atEnd() || magic != PackMagic || version != PackVersion)
        return {};
    if (width <= 0 || height <= 0 || width > MaxPictureSide || height > MaxPictureSide || !PackableFormat(format))
        return {};
    QImage image(width, height, QImage::Format(format));
    if (image.isNull() || image.bytesPerLine() != bytesPerLine)
        return {};
    // The points are one zstd frame that names its unpacked size: a frame that claims another size, or bytes after it,
    // are refused before anything is unpacked, and the frame is unpacked straight into the picture, never into a second
    // buffer.
    const size_t expected = size_t(image.sizeInBytes());
    if (ZSTD_getFrameContentSize(points.constData(), size_t(points.size())) != expected
        || ZSTD_findFrameCompressedSize(points.constData(), size_t(points.size())) != size_t(points.size()))
        return {};
    if (ZSTD_decompress(image.bits(), expected, points.constData(), size_t(points.size())) != expected)
        return {};
    return image;
}

QString BakedArtPath(const QString& resource, QSize size)
{
    return QStringLiteral(":/baked/%1-%2x%3.art")
        .arg(QFileInfo(resource).completeBaseName())
        .arg(size.width())
        .arg(size.height());
}

QImage BakedArt(const QString& resource, QSize size)
{
    if (!resource.startsWith(QLatin1String(":/art/")))
        return {};
    const QResource baked(BakedArtPath(resource, size));
    if (!baked.isValid())
        return {};
    QImage image = UnpackArt(baked.uncompressedData());
    return image.size() == size ? image : QImage();
}
