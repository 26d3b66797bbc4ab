// The one look of the game: the palette of the artwork, the fonts and text styles, and the full-window background.
// Windows take their colours and styles from here and never write style sheets or colours of their own.
#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

// The palette, shared with the SVG artwork under art/ (art/STYLE.md shows where each colour goes).
namespace Palette {
inline constexpr QRgb Ink = 0xFF3A3845; // outlines, text
inline constexpr QRgb Paper = 0xFFFBF7EE; // lightest paper, text boxes
inline constexpr QRgb Cream = 0xFFF3EBD8; // walls, quiet backgrounds
inline constexpr QRgb Sand = 0xFFE6D8B8;
inline constexpr QRgb Brick = 0xFFB85A43;
inline constexpr QRgb BrickShade = 0xFF8E4434; // warnings, prices
inline constexpr QRgb Night = 0xFF1E2745;
inline constexpr QRgb NightDeep = 0xFF141A30;
inline constexpr QRgb Moon = 0xFFF5E6A8;
inline constexpr QRgb LampLight = 0xFFF7D87A;
inline constexpr QRgb WoodDark = 0xFF7E5434; // frames of panels
inline constexpr QRgb BlueDark = 0xFF3D5A80; // grades, values
inline constexpr QRgb Blue = 0xFF5A80AE;
inline constexpr QRgb GreyLight = 0xFFD9D6CF; // rules between rows
inline constexpr QRgb Grey = 0xFFB3AFA7; // borders of boxes
inline constexpr QRgb Red = 0xFFC8483A;
inline constexpr QRgb Blood = 0xFFA3242C; // the cause of death
inline constexpr QRgb Black = 0xFF000000; // the ending and the credits
inline constexpr QRgb White = 0xFFFFFFFF;
}

// "#3a3845" for style sheets.
QString ColorName(QRgb color);

// The text of a label or button in bold, optionally larger by some points.
void SetBold(QWidget* widget, int largerBy = 0);
// A heading: bold letters of the given pixel size.
void SetHeading(QWidget* widget, int pixelSize);
// The text colour of a widget (its palette, so it also holds for disabled and inactive states).
void SetTextColor(QWidget* widget, QRgb color);
// Light letters on a soft dark shadow, or dark letters on a light glow, so a label reads over any picture.
void AddShadow(QLabel* label, QRgb shadow, int blurRadius = 10);

// A framed, slightly transparent paper panel under controls that stand on a picture (group boxes, frames); the
// widget's object name is used to keep the style to the panel itself.
void MakePanel(QWidget* widget);
// A window's solid background colour (for the windows without a picture).
void SetBackground(QWidget* window, QRgb color);
// The window's picture from the resources, filling the whole client area of the window behind everything.
void AddBackground(QWidget* window, const QString& art);
