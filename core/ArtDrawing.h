// The game's SVG artwork drawn into pictures. The pictures of the first windows the player sees are also drawn when the
// game is built ("baked") and kept in the program as PNG files, so that the start-up reads them instead of drawing
// them.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Draws one of the game's SVG artworks (":/art/name.svg", or the SVG file itself) at the given size in
// device-independent pixels, at the screen's own resolution. A drawing that covers its whole box is kept in three
// bytes a pixel. An artwork that cannot be read gives a transparent picture.
QImage DrawSvgArt(const QString& resource, QSize size, qreal devicePixelRatio);

// The drawing the build made of ":/art/name.svg" at this size at 100 %, in the form DrawSvgArt gives: the pixels of
// ":/baked/name-468x435.rgb" (three bytes a pixel, lines padded to four bytes) or ".argb" (four, premultiplied), read
// where the program keeps them. A null image when the build made none.
QImage BakedArt(const QString& resource, QSize size);
