// The ending: how the school year ended for the player.
#pragma once

#include "core/GameWindow.h"

class TForm45 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm45(GameWindows& windows);
};
