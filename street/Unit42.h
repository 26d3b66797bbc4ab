// The victim beaten: the loot.
#pragma once

#include "core/GameWindow.h"

class TForm42 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm42(GameWindows& windows);
};
