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

// Decodes a JPEG file. Throws EInOutError naming the file when it is missing, too large, not a JPEG or damaged
// (a file cut short included).
QImage LoadJpeg(const QString& path);
// Decodes JPEG bytes; throws EInOutError with the given name in the message on failure. A picture with more scans than
// MaxJpegScans is refused before any is decoded, a damaged one at the first sign of damage. With work, counts what
// the decoding did.
QImage DecodeJpeg(const QByteArray& bytes, const QString& nameForMessages, JpegWork* work = nullptr);
// Decodes picture bytes of another format (BMP) within the same limits; throws EInOutError with the given name.
QImage DecodeOtherPicture(const QByteArray& bytes, const QString& nameForMessages);
// Loads a picture from Data: JPEG through LoadJpeg, anything else (BMP) through Qt's image reader.
QImage LoadPicture(const QString& path);

// Renders one of the game's SVG artworks (":/art/name.svg") at the given size in device-independent pixels; on a
// scaled screen (150 %, 200 %) pass the device pixel ratio, so the picture is drawn at the screen's own resolution.
// Renderings are kept in the pixmap cache, so a window shown again, or a second box with the same artwork and size,
// costs nothing.
QPixmap RenderArt(const QString& resource, QSize size, qreal devicePixelRatio = 1.0);

// For the windows the player sees the moment the game starts: begins drawing the window's pictures on a second
// thread while the other windows are still being made; its boxes pick the drawings up when the window is shown.
void PrerenderPictures(QWidget& window);
// Waits for the drawings begun by PrerenderPictures and drops those no box has picked up; called before the windows
// and the application go, since a drawing must not outlive them.
void FinishPrerendering();

// A label that shows a picture scaled to its size: SVG artwork or a picture file. The picture is rendered when the box
// is shown (and again when it is resized while visible), so a window costs no drawing until the player opens it; once
// the window is out of sight the drawing leaves memory (the next showing takes it from the pixmap cache or draws it
// again), so only the windows on screen hold their drawings.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    // Shows SVG artwork from the resources, e.g. ":/art/canteen.svg".
    void setArt(const QString& resource);
    // Shows an image; with stretch it fills the box.
    void setImage(const QImage& image);
    // The image shown (null for artwork or nothing), drawn or not yet.
    const QImage& image() const { return m_image; }
    // Starts drawing the artwork at the box's present size on a second thread (see PrerenderPictures).
    void prerender() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void render();
    QString m_art;
    QImage m_image;
    QSize m_renderedSize; // empty until the current picture has been rendered
};
