#include "core/Picture.h"

#include "core/Errors.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QTimer>

#include <csetjmp>
#include <cstdio>
#include <future>
#include <jpeglib.h>
#include <map>
#include <mutex>

namespace {
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    char firstWarning[JMSG_LENGTH_MAX];
};

void jpegErrorExit(j_common_ptr info)
{
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// libjpeg goes on past damage (a file cut short, a broken stream) and only warns, filling the rest with grey. Each
// warning is counted and the first one kept, so the loader can refuse such a picture instead of showing it as whole.
void jpegWarning(j_common_ptr info, int level)
{
    if (level >= 0)
        return; // trace messages, not problems
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    if (info->err->num_warnings++ == 0)
        (*info->err->format_message)(info, manager->firstWarning);
}

QString PictureTooLarge(long long width, long long height)
{
    return QStringLiteral("картинка слишком большая: %1 × %2 точек, а можно не больше %3 × %3")
        .arg(width)
        .arg(height)
        .arg(MaxPictureSide);
}

// Reads a picture file whole, refusing one larger than any picture the game shows could need.
QByteArray ReadPictureFile(const QString& path)
{
    QFileInfo fileInfo(path);
    if (!fileInfo.isFile())
        throw EInOutError::forFile(path, QStringLiteral("файл не найден"));
    if (fileInfo.size() > MaxPictureFileSize)
        throw EInOutError::forFile(path, QStringLiteral("файл картинки слишком большой"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError::forFile(path, file.errorString());
    QByteArray bytes = file.read(MaxPictureFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw EInOutError::forFile(path, file.errorString());
    if (bytes.size() > MaxPictureFileSize)
        throw EInOutError::forFile(path, QStringLiteral("файл картинки слишком большой"));
    return bytes;
}
}

namespace {
// Decodes into *out. All the objects with destructors live in the caller, so the jump back from libjpeg's error
// handler skips nothing. Returns false (with the reason in errors->message) when the data is not a usable JPEG.
bool decodeJpegInto(const QByteArray* bytes, jpeg_decompress_struct* info, JpegErrorManager* errors, QImage* out)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_create_decompress(info);
    jpeg_mem_src(
        info, reinterpret_cast<const unsigned char*>(bytes->constData()), static_cast<unsigned long>(bytes->size()));
    jpeg_read_header(info, TRUE);
    // The header alone may claim any size; nothing large is allocated before the claim is checked.
    if (info->image_width > unsigned(MaxPictureSide) || info->image_height > unsigned(MaxPictureSide)) {
        const QByteArray reason = PictureTooLarge(info->image_width, info->image_height).toUtf8();
        std::snprintf(errors->message, sizeof errors->message, "%s", reason.constData());
        return false;
    }
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    *out = QImage(static_cast<int>(info->output_width), static_cast<int>(info->output_height), QImage::Format_RGB888);
    if (out->isNull()) {
        std::snprintf(errors->message, sizeof errors->message, "image too large");
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    if (errors->base.num_warnings > 0) {
        std::snprintf(errors->message, sizeof errors->message, "%s", errors->firstWarning);
        return false;
    }
    return true;
}
}

QImage DecodeJpeg(const QByteArray& bytes, const QString& nameForMessages)
{
    jpeg_decompress_struct info {};
    JpegErrorManager errors {};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jpegErrorExit;
    errors.base.emit_message = jpegWarning;
    QImage image;
    bool ok = decodeJpegInto(&bytes, &info, &errors, &image);
    jpeg_destroy_decompress(&info);
    if (!ok) {
        const QString reason = QString::fromUtf8(errors.message);
        if (reason.startsWith(QStringLiteral("картинка слишком большая")))
            throw EInOutError::forFile(nameForMessages, reason);
        throw EInOutError::forFile(nameForMessages, QStringLiteral("испорченный JPEG-файл (%1)").arg(reason));
    }
    return image;
}

QImage LoadJpeg(const QString& path) { return DecodeJpeg(ReadPictureFile(path), path); }

QImage DecodeOtherPicture(const QByteArray& bytes, const QString& nameForMessages)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Four bytes a point of the largest picture allowed, in megabytes.
    reader.setAllocationLimit(MaxPictureSide * MaxPictureSide * 4 / (1024 * 1024) + 1);
    const QSize size = reader.size();
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        throw EInOutError::forFile(nameForMessages, PictureTooLarge(size.width(), size.height()));
    QImage image = reader.read();
    if (image.isNull())
        throw EInOutError::forFile(nameForMessages, QStringLiteral("не удалось прочитать картинку"));
    return image;
}

QImage LoadPicture(const QString& path)
{
    QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return LoadJpeg(path);
    return DecodeOtherPicture(ReadPictureFile(path), path);
}

namespace {
// Drawn at the screen's resolution: on a scaled screen (150 %, 200 %) a picture made at the box's size would be
// stretched up and blurred. The painter works in device-independent pixels; without the bounds the renderer would
// fill the device's own pixel count and draw a scaled picture twice too large.
QImage DrawArt(const QString& resource, QSize size, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return image;
}

QString ArtKey(const QString& resource, QSize size, qreal devicePixelRatio)
{
    return QStringLiteral("art:%1:%2x%3@%4").arg(resource).arg(size.width()).arg(size.height()).arg(devicePixelRatio);
}

// Drawings begun on a second thread and not yet picked up by a box.
std::mutex pendingMutex;
std::map<QString, std::future<QImage>> pendingArt;
}

QPixmap RenderArt(const QString& resource, QSize size, qreal devicePixelRatio)
{
    const QString key = ArtKey(resource, size, devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    std::future<QImage> pending;
    {
        std::lock_guard lock(pendingMutex);
        auto found = pendingArt.find(key);
        if (found != pendingArt.end()) {
            pending = std::move(found->second);
            pendingArt.erase(found);
        }
    }
    pixmap = QPixmap::fromImage(pending.valid() ? pending.get() : DrawArt(resource, size, devicePixelRatio));
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void FinishPrerendering()
{
    std::map<QString, std::future<QImage>> unclaimed;
    {
        std::lock_guard lock(pendingMutex);
        unclaimed.swap(pendingArt);
    }
    // Each future of std::async waits for its drawing as it goes.
}

void PrerenderPictures(QWidget& window)
{
    for (const PictureBox* box : window.findChildren<PictureBox*>())
        box->prerender();
}

PictureBox::PictureBox(QWidget* parent)
    : QLabel(parent)
{
    setScaledContents(false);
}

void PictureBox::setArt(const QString& resource)
{
    m_art = resource;
    m_image = QImage();
    m_renderedSize = QSize();
    if (isVisible())
        render();
}

void PictureBox::setImage(const QImage& image)
{
    m_image = image;
    m_art.clear();
    m_renderedSize = QSize();
    if (isVisible())
        render();
}

void PictureBox::prerender() const
{
    if (m_art.isEmpty() || width() <= 0 || height() <= 0)
        return;
    const qreal ratio = devicePixelRatioF();
    const QString key = ArtKey(m_art, size(), ratio);
    QPixmap done;
    if (QPixmapCache::find(key, &done))
        return;
    std::lock_guard lock(pendingMutex);
    if (!pendingArt.contains(key))
        pendingArt.emplace(key, std::async(std::launch::async, DrawArt, m_art, size(), ratio));
}

void PictureBox::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    if (m_renderedSize != size())
        render();
}

void PictureBox::hideEvent(QHideEvent* event)
{
    QLabel::hideEvent(event);
    // Dropped once the events of the closing have run, so a window hidden and shown again at once keeps its drawing.
    QTimer::singleShot(0, this, [this] {
        if (isVisible() || m_renderedSize.isEmpty())
            return;
        // The artwork leaves the cache too: a window shown again draws it anew, a matter of milliseconds.
        if (!m_art.isEmpty())
            QPixmapCache::remove(ArtKey(m_art, m_renderedSize, devicePixelRatioF()));
        m_renderedSize = QSize();
        setPixmap(QPixmap());
    });
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (isVisible())
        render();
}

void PictureBox::render()
{
    if (width() <= 0 || height() <= 0)
        return;
    m_renderedSize = size();
    const qreal ratio = devicePixelRatioF();
    if (!m_art.isEmpty()) {
        setPixmap(RenderArt(m_art, size(), ratio));
    } else if (!m_image.isNull()) {
        QPixmap pixmap
            = QPixmap::fromImage(m_image.scaled(size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        pixmap.setDevicePixelRatio(ratio);
        setPixmap(pixmap);
    } else
        clear();
}
