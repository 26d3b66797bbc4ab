// The game's SVG artwork drawn into pictures, and the same drawings made once when the game is built ("baked"): the
// pictures of the first windows the player sees come packed in the program, so that no start draws them again.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Draws one of the game's SVG artworks (":/art/name.svg", or the SVG file itself) at the given size in
// device-independent pixels, at the screen's own resolution. A drawing that covers its whole box is kept in three
// bytes a point. An artwork that cannot be read gives a transparent picture.
QImage DrawSvgArt(const QString& resource, QSize size, qreal devicePixelRatio);

// A drawing packed for the program's resources: a short header (its size, format and bytes a line) and its points
// compressed with zstd.
QByteArray PackArt(const QImage& image);
// The drawing back from its packing; a null image when the packing is damaged, cut short or of another kind.
QImage UnpackArt(const QByteArray& packed);

// Where the build puts its drawing of ":/art/name.svg" at a size: ":/baked/name-468x435.art".
QString BakedArtPath(const QString& resource, QSize size);
// The drawing the build made of the artwork at this size at 100 %, or a null image when it made none.
QImage BakedArt(const QString& resource, QSize size);
