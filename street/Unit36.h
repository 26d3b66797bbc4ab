// The zombie shooter game.
#pragma once

#include "core/GameWindow.h"

class TForm36 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm36(GameWindows& windows);
};
