// The cheat window: a code that unlocks an editor of the game values.
#pragma once

#include "core/GameWindow.h"

class TForm21 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm21(GameWindows& windows);
};
