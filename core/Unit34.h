// The about box: the game, its authors and its version.
#pragma once

#include "core/GameWindow.h"

class QPushButton;

class TAboutBox : public TGameWindow {
    Q_OBJECT
public:
    explicit TAboutBox(GameWindows& windows);

private:
    QPushButton* OKButton;
};
