// The thug's story: how the player meets him on the way home in the dark.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

class TForm26 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm26(GameWindows& windows);

private:
    QLabel* Label1; // the story
    QPushButton* Button1; // "OK"
};
