// Pictures: JPEG files under Data (decoded with libjpeg), BMP files, and the SVG window artwork.
#pragma once

#include <QImage>
#include <QLabel>
#include <QString>

// No picture the game shows needs more points a side, nor a larger file; larger claims are refused before anything
// large is allocated.
constexpr int MaxPictureSide = 4096;
constexpr qint64 MaxPictureFileSize = 16 * 1024 * 1024;

// The most scans a JPEG may have. A picture that appears step by step (a progressive JPEG) is written in scans, each
// of which the decoder passes over the whole picture for. Real encoders write few: libjpeg's own progressive script
// has 10 scans for a colour picture, 6 for a grey one and 18 for a four-channel one, and optimised scripts (mozjpeg)
// pick a dozen or so; sequential pictures have one scan a channel at most. 64 keeps well clear of all of them and
// bounds a picture of the largest size to about a tenth of a second of decoding.
constexpr int MaxJpegScans = 64;

// What decoding a JPEG cost: the scans libjpeg read and the rows of points it produced.
struct JpegWork {
    int scansRead = 0;
    int rowsDecoded = 0;
};

// Every decoder below takes the size the picture will be shown at, in the screen's own pixels (a box's size times the
// device pixel ratio), and decodes no more than the box can show: a JPEG at the smallest of libjpeg's scales (n/8)
// whose picture still covers that size in both directions, another picture scaled down to it side by side (boxes
// stretch their picture to fill them). A picture is never made larger than it is; an empty size decodes it whole.
// Damage is found all the same, since the whole file is read whatever the size.

// Decodes a JPEG file. Throws EInOutError naming the file when it is missing, too large, not a JPEG or damaged
// (a file cut short included).
QImage LoadJpeg(const QString& path, QSize shownSize = QSize());
// Decodes JPEG bytes; throws EInOutError with the given name in the message on failure. A picture with more scans than
// MaxJpegScans is refused before any is decoded, a damaged one at the first sign of damage. With work, counts what
// the decoding did.
QImage DecodeJpeg(
    const QByteArray& bytes, const QString& nameForMessages, JpegWork* work = nullptr, QSize shownSize = QSize());
// Decodes picture bytes of another format (BMP) within the same limits; throws EInOutError with the given name.
QImage DecodeOtherPicture(const QByteArray& bytes, const QString& nameForMessages, QSize shownSize = QSize());
// Loads a picture from Data: JPEG through LoadJpeg, anything else (BMP) through Qt's image reader.
QImage LoadPicture(const QString& path, QSize shownSize = QSize());

// Renders one of the game's SVG artworks (":/art/name.svg") at the given size in device-independent pixels; on a
// scaled screen (150 %, 200 %) pass the device pixel ratio, so the picture is drawn at the screen's own resolution.
// Renderings are kept in the pixmap cache, so a window shown again, or a second box with the same artwork and size,
// costs nothing.
QPixmap RenderArt(const QString& resource, QSize size, qreal devicePixelRatio = 1.0);

// A label that shows a picture scaled to its size: SVG artwork or a picture file. The picture is rendered when the box
// is shown (and again when it is resized while visible), so a window costs no drawing until the player opens it; once
// the window is out of sight the drawing leaves memory (the next showing takes it from the pixmap cache or draws it
// again), so only the windows on screen hold their drawings. A picture file from Data is decoded at the box's size and
// leaves memory with the drawing: the box keeps only its path and decodes it again at the next showing.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    // Shows SVG artwork from the resources, e.g. ":/art/canteen.svg".
    void setArt(const QString& resource);
    // Shows an image; with stretch it fills the box.
    void setImage(const QImage& image);
    // Shows a picture file (a full path, as DataPath gives it), decoded at the box's size. A missing or damaged file
    // throws EInOutError here, as LoadPicture does, and leaves the box as it was. Should the file go or change between
    // showings, the box is left empty without a word: the player heard of the picture when it was set.
    void setPicture(const QString& path);
    // The size a picture needs to fill the box on its screen: the box's size times the device pixel ratio.
    QSize shownSize() const;
    // The artwork shown (empty for an image, a picture file or nothing).
    const QString& art() const { return m_art; }
    // The image shown (null for artwork or nothing), drawn or not yet.
    const QImage& image() const { return m_image; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void render();
    void changed();
    QString m_art;
    QImage m_image;
    QString m_path; // the picture file m_image was decoded from; empty for an image given whole
    QSize m_decodedFor; // the shownSize() m_image was decoded for (empty: whole)
    QSize m_renderedSize; // empty until the current picture has been rendered
};
