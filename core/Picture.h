// Pictures: JPEG files under Data (decoded with libjpeg), BMP files, and the SVG window artwork.
#pragma once

#include <QImage>
#include <QLabel>
#include <QString>

// Decodes a JPEG file. Throws EInOutError naming the file when it is missing, not a JPEG or damaged.
QImage LoadJpeg(const QString& path);
// Decodes JPEG bytes; throws EInOutError with the given name in the message on failure.
QImage DecodeJpeg(const QByteArray& bytes, const QString& nameForMessages);
// Loads a picture from Data: JPEG through LoadJpeg, anything else (BMP) through QImage.
QImage LoadPicture(const QString& path);

// Renders one of the game's SVG artworks (":/art/name.svg") at the given size in device-independent pixels; on a
// scaled screen (150 %, 200 %) pass the device pixel ratio, so the picture is drawn at the screen's own resolution.
QPixmap RenderArt(const QString& resource, QSize size, qreal devicePixelRatio = 1.0);

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
