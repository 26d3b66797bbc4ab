// The handshake: the thug lets the player go.
#pragma once

#include "core/GameWindow.h"

class TForm29 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm29(GameWindows& windows);
};
