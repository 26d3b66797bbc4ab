// The game offer: buying the shooter game.
#pragma once

#include "core/GameWindow.h"

class TForm37 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm37(GameWindows& windows);
};
