#include "core/Picture.h"

#include "core/ArtDrawing.h"
#include "core/ContentFile.h"
#include "core/Errors.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>
#include <QTimer>
#include <QtMath>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool ownReason; // the message is the game's own reason (a size, a scan count), not libjpeg's
};

void jpegErrorExit(j_common_ptr info)
{
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// libjpeg goes on past damage (a file cut short, a broken stream) and only warns, filling the rest with grey. Such a
// picture is refused rather than shown as whole, and at the first warning: decoding the rest of a picture already
// known to be damaged would only cost time and memory.
void jpegWarning(j_common_ptr info, int level)
{
    if (level >= 0)
        return; // trace messages, not problems
    jpegErrorExit(info);
}

// Keeps the game's own reason for refusing a picture. Called in a statement of its own, so that no text outlives it
// when libjpeg's jump follows.
void setReason(JpegErrorManager* errors, const QString& reason)
{
    std::snprintf(errors->message, sizeof errors->message, "%s", reason.toUtf8().constData());
    errors->ownReason = true;
}

QString PictureTooLarge(long long width, long long height)
{
    return QStringLiteral("картинка слишком большая: %1 × %2 точек, а можно не больше %3 × %3")
        .arg(width)
        .arg(height)
        .arg(MaxPictureSide);
}

QString TooManyScans() { return QStringLiteral("в JPEG-файле слишком много проходов: больше %1").arg(MaxJpegScans); }

// Counts the scans of a JPEG stream (its SOS markers) without decoding anything: marker segments are skipped by their
// length, the coded data after a scan header byte by byte (a 0xFF in it is followed by 0, a restart marker or the
// next marker). Stops counting past stopAfter.
int CountJpegScans(const QByteArray& bytes, int stopAfter)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    int scans = 0;
    qsizetype i = 0;
    while (i + 1 < size && scans <= stopAfter) {
        if (data[i] != 0xFF) {
            ++i;
            continue;
        }
        const unsigned char marker = data[i + 1];
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        // A stuffed zero, a restart marker, the start of the image or TEM: two bytes without a length.
        if (marker == 0x00 || marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7)) {
            i += 2;
            continue;
        }
        if (marker == 0xD9) // end of the image
            break;
        if (marker == 0xDA)
            ++scans;
        if (i + 3 >= size)
            break;
        i += 2 + std::max(2, (data[i + 2] << 8) | data[i + 3]);
    }
    return scans;
}

// Reads a picture file whole, refusing one larger than any picture the game shows could need.
QByteArray ReadPictureFile(const QString& path)
{
    return ReadContentFile(path, MaxPictureFileSize, QStringLiteral("файл картинки слишком большой"));
}
}

namespace {
struct JpegProgress {
    jpeg_progress_mgr base;
    JpegErrorManager* errors;
};

// Called by libjpeg as it reads a multi-scan picture: the backstop for a scan the count before decoding missed.
void jpegProgress(j_common_ptr common)
{
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    if (info->input_scan_number <= MaxJpegScans)
        return;
    JpegErrorManager* errors = reinterpret_cast<JpegProgress*>(common->progress)->errors;
    setReason(errors, TooManyScans());
    std::longjmp(errors->jump, 1);
}

// The most memory libjpeg may take for one picture: a progressive picture keeps every coefficient of the whole picture
// until its last scan, two bytes a coefficient, which at the largest size and three full-resolution colour channels is
// 96 MB; a few rows of working buffers come on top. A claim beyond it is refused instead of allocated.
constexpr long JpegMemoryLimit = 112L * 1024 * 1024;

// Decodes into *out. All the objects with destructors live in the caller, so the jump back from libjpeg's error
// handler skips nothing. Returns false (with the reason in errors->message) when the data is not a usable JPEG.
bool decodeJpegInto(const QByteArray* bytes, jpeg_decompress_struct* info, JpegErrorManager* errors, QImage* out,
    JpegWork* work, QSize shownSize)
{
    if (setjmp(errors->jump))
        return false;
    // Every scan of a progressive picture costs a pass over all of it; a file of thousands of tiny scans would keep
    // the game decoding for minutes, so it is refused before a single one is decoded.
    if (CountJpegScans(*bytes, MaxJpegScans) > MaxJpegScans) {
        setReason(errors, TooManyScans());
        return false;
    }
    jpeg_create_decompress(info);
    info->mem->max_memory_to_use = JpegMemoryLimit;
    jpeg_mem_src(
        info, reinterpret_cast<const unsigned char*>(bytes->constData()), static_cast<unsigned long>(bytes->size()));
    jpeg_read_header(info, TRUE);
    // The header alone may claim any size; nothing large is allocated before the claim is checked.
    if (info->image_width > unsigned(MaxPictureSide) || info->image_height > unsigned(MaxPictureSide)) {
        setReason(errors, PictureTooLarge(info->image_width, info->image_height));
        return false;
    }
    info->out_color_space = JCS_RGB;
    // libjpeg decodes straight to n/8 of the size, skipping the detail a smaller picture cannot show; the smallest
    // scale that still covers the box is taken, and at 8/8 the picture is whole.
    if (!shownSize.isEmpty()) {
        info->scale_denom = 8;
        for (unsigned int eighths = 1; eighths <= 8; ++eighths) {
            info->scale_num = eighths;
            jpeg_calc_output_dimensions(info);
            if (info->output_width >= unsigned(shownSize.width())
                && info->output_height >= unsigned(shownSize.height()))
                break;
        }
    }
    jpeg_start_decompress(info);
    *out = QImage(static_cast<int>(info->output_width), static_cast<int>(info->output_height), QImage::Format_RGB888);
    if (out->isNull()) {
        setReason(errors, QStringLiteral("не хватило памяти на картинку"));
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
        if (work)
            work->rowsDecoded = int(info->output_scanline);
    }
    jpeg_finish_decompress(info);
    return true;
}
}

QImage DecodeJpeg(const QByteArray& bytes, const QString& nameForMessages, JpegWork* work, QSize shownSize)
{
    jpeg_decompress_struct info {};
    JpegErrorManager errors {};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jpegErrorExit;
    errors.base.emit_message = jpegWarning;
    JpegProgress progress {};
    progress.base.progress_monitor = jpegProgress;
    progress.errors = &errors;
    info.progress = &progress.base;
    if (work)
        *work = {};
    QImage image;
    const bool ok = decodeJpegInto(&bytes, &info, &errors, &image, work, shownSize);
    if (work)
        work->scansRead = info.global_state ? info.input_scan_number : 0;
    jpeg_destroy_decompress(&info);
    if (!ok) {
        const QString reason = QString::fromUtf8(errors.message);
        if (errors.ownReason)
            throw EInOutError::forFile(nameForMessages, reason);
        throw EInOutError::forFile(nameForMessages, QStringLiteral("испорченный JPEG-файл (%1)").arg(reason));
    }
    return image;
}

QImage LoadJpeg(const QString& path, QSize shownSize)
{
    return DecodeJpeg(ReadPictureFile(path), path, nullptr, shownSize);
}

QImage DecodeOtherPicture(const QByteArray& bytes, const QString& nameForMessages, QSize shownSize)
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
    // Each side on its own, as the box stretches the picture to fill it.
    if (!shownSize.isEmpty() && size.isValid() && size.boundedTo(shownSize) != size)
        reader.setScaledSize(size.boundedTo(shownSize));
    QImage image = reader.read();
    if (image.isNull())
        throw EInOutError::forFile(nameForMessages, QStringLiteral("не удалось прочитать картинку"));
    return image;
}

QImage LoadPicture(const QString& path, QSize shownSize)
{
    QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return LoadJpeg(path, shownSize);
    return DecodeOtherPicture(ReadPictureFile(path), path, shownSize);
}

namespace {
// The build drew the pictures of the first windows at 100 % already; anything else is drawn from its SVG.
QImage DrawArt(const QString& resource, QSize size, qreal devicePixelRatio)
{
    if (devicePixelRatio == 1.0) {
        QImage baked = BakedArt(resource, size);
        if (!baked.isNull())
            return baked;
    }
    return DrawSvgArt(resource, size, devicePixelRatio);
}

QString ArtKey(const QString& resource, QSize size, qreal devicePixelRatio)
{
    return QStringLiteral("art:%1:%2x%3@%4").arg(resource).arg(size.width()).arg(size.height()).arg(devicePixelRatio);
}
}

QPixmap RenderArt(const QString& resource, QSize size, qreal devicePixelRatio)
{
    const QString key = ArtKey(resource, size, devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    // Taken as drawn: left to itself the pixmap would turn an opaque drawing back into four bytes a pixel.
    pixmap = QPixmap::fromImage(DrawArt(resource, size, devicePixelRatio), Qt::NoFormatConversion);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
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
    m_path.clear();
    changed();
}

void PictureBox::setImage(const QImage& image)
{
    m_image = image;
    m_art.clear();
    m_path.clear();
    changed();
}

void PictureBox::setPicture(const QString& path)
{
    const QSize shown = shownSize();
    // Decoded before anything changes: a file that fails leaves the box showing what it showed.
    QImage image = LoadPicture(path, shown);
    m_image = std::move(image);
    m_art.clear();
    m_path = path;
    m_decodedFor = shown;
    changed();
}

QSize PictureBox::shownSize() const
{
    const qreal ratio = devicePixelRatioF();
    return { qCeil(width() * ratio), qCeil(height() * ratio) };
}

// A box out of sight draws the new picture when it is shown.
void PictureBox::changed()
{
    m_renderedSize = QSize();
    if (isVisible())
        render();
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
        if (isVisible())
            return;
        // A picture file is decoded again from its path at the next showing.
        if (!m_path.isEmpty())
            m_image = QImage();
        // The artwork leaves the cache too: a window shown again draws it anew, a matter of milliseconds.
        if (!m_art.isEmpty() && !m_renderedSize.isEmpty())
            QPixmapCache::remove(ArtKey(m_art, m_renderedSize, devicePixelRatioF()));
        m_renderedSize = QSize();
        // Also a drawing of a picture replaced after the window was hidden, before this ran.
        if (!pixmap().isNull())
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
    const QSize shown = shownSize();
    // A picture file dropped while out of sight, or decoded for a smaller box or a lower-resolution screen, is decoded
    // again. The player was told of a failing file when it was set; one gone or damaged since leaves the box empty.
    if (!m_path.isEmpty()
        && (m_image.isNull()
            || (!m_decodedFor.isEmpty()
                && (shown.width() > m_decodedFor.width() || shown.height() > m_decodedFor.height())))) {
        m_decodedFor = shown;
        try {
            m_image = LoadPicture(m_path, shown);
        } catch (const std::exception&) {
            m_image = QImage();
        }
    }
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
