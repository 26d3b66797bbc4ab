// The look the thug's story and his happy end share: a picture filling the window, white text with a black shadow
// two pixels lower and further right, and a bold "OK".
#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

struct StoryParts {
    QLabel* text;
    QPushButton* ok;
};

// White bold letters of the given pixel size over the same text in black, two pixels lower and further right.
void SetStoryText(QLabel* label, int pixelSize);

// Builds the window's picture, text and button; the button closes the window with OK.
StoryParts BuildStoryWindow(QWidget* window, const QString& art, const QString& text);
