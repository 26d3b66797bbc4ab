// The one look of the game: the palette of the artwork, the fonts and text styles, and the full-window background.
// Windows take their colours and styles from here and never write style sheets or colours of their own.
#pragma once

#include <QColor>
#include <QSize>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
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
inline constexpr QRgb MoonLight = 0xFFFFF6D5; // light letters on the night pictures (a tint of the moon)
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
// Lines of the charts: hues that stay apart for the colour-blind too (blue, vermilion, bluish green, orange).
inline constexpr QRgb ChartBlue = 0xFF0072B2;
inline constexpr QRgb ChartVermilion = 0xFFD55E00;
inline constexpr QRgb ChartGreen = 0xFF009E73;
inline constexpr QRgb ChartOrange = 0xFFE69F00;
}

// The game's letters: the system's font at 8 points, without complex shaping, for every window (set once at start-up).
void UseGameFont();

// "#3a3845" for style sheets.
QString ColorName(QRgb color);

// The text of a label or button in bold, optionally larger by some points.
void SetBold(QWidget* widget, int largerBy = 0);
// A heading: letters of the given pixel size, bold unless asked otherwise.
void SetHeading(QWidget* widget, int pixelSize, bool bold = true);
// A heading sized in points, like the notices on the night pictures and the diary's title.
void SetHeadingPoints(QWidget* widget, int pointSize);
// The text colour of a widget (its palette, so it also holds for disabled and inactive states).
void SetTextColor(QWidget* widget, QRgb color);
// Light letters on a soft dark shadow, or dark letters on a light glow, so a label reads over any picture. The
// offset moves the shadow down and right (0: a glow all around).
void AddShadow(QLabel* label, QRgb shadow, int blurRadius = 10, int offset = 0);

// A framed, slightly transparent paper panel under controls that stand on a picture (group boxes, frames); the
// panel keeps its look whatever the widget is named afterwards. A label panel keeps its text `padding` pixels
// off the frame.
void MakePanel(QWidget* widget, int padding = 0);
// A value printed straight on a panel: bold letters, no box around them (the read-only displays of the main window).
// It is drawn by the panels' own style, not a style sheet: a sheet over the main window would run every one of its
// controls through the style-sheet machinery as the game starts.
void MakeBareValue(QLineEdit* display);
// A sunken frame around a picture or a group of values, as the system draws it.
QFrame* MakeSunkenFrame(QWidget* parent);
// A picture (or other content) of a fixed inner size in a sunken frame two pixels wide, as the windows' photos,
// portraits and scenes stand; the content is put into the frame.
QFrame* FramePicture(QWidget* parent, QWidget* content, QSize inner);
// A paper text box with a grey border (the teacher's question).
void MakeTextBox(QLabel* label);
// The one style sheet of a page (a window) that the three styles below are chosen from; call it once per window that
// uses them.
void UsePageStyle(QWidget* window);
// A diary cell: a bold value in a framed paper box.
void MakeGradeCell(QLabel* label);
// A line of a printed table: ink letters over a thin ruled line.
void MakeRuledLine(QLabel* label);
// A printed heading on a page: bold ink letters (the diary's column headings).
void MakePrintedHeading(QLabel* label);
// A window's solid background colour (for the windows without a picture).
void SetBackground(QWidget* window, QRgb color);
// The window's picture from the resources, filling the whole client area of the window behind everything.
void AddBackground(QWidget* window, const QString& art);
