// Pictures: JPEG files under Data (decoded with libjpeg), BMP files, and the SVG window artwork.
#pragma once

#include <QImage>
#include <QLabel>
#include <QString>

// No picture the game shows needs more points a side, nor a larger file; larger claims are refused before anything
// large is allocated.
constexpr int MaxPictureSide = 4096;
constexpr qint64 MaxPictureFileSize = 16 * 1024 * 1024;

// Decodes a JPEG file. Throws EInOutError naming the file when it is missing, too large, not a JPEG or damaged
// (a file cut short included).
QImage LoadJpeg(const QString& path);
// Decodes JPEG bytes; throws EInOutError with the given name in the message on failure.
QImage DecodeJpeg(const QByteArray& bytes, const QString& nameForMessages);
// Decodes picture bytes of another format (BMP) within the same limits; throws EInOutError with the given name.
QImage DecodeOtherPicture(const QByteArray& bytes, const QString& nameForMessages);
// Loads a picture from Data: JPEG through LoadJpeg, anything else (BMP) through Qt's image reader.
QImage LoadPicture(const QString& path);

// Renders one of the game's SVG artworks (":/art/name.svg") at the given size.
QPixmap RenderArt(const QString& resource, QSize size);

// A label that shows a picture scaled to its size: SVG artwork or a picture file.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    // Shows SVG artwork from the resources, e.g. ":/art/canteen.svg".
    void setArt(const QString& resource);
    // Shows an image; with stretch it fills the box.
    void setImage(const QImage& image);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void render();
    QString m_art;
    QImage m_image;
};
