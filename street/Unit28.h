// The thug beaten: the loot.
#pragma once

#include "core/GameWindow.h"

class TForm28 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm28(GameWindows& windows);
};
