// The robbery spot: the district where the player lies in wait.
#pragma once

#include "core/GameWindow.h"

class TForm39 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm39(GameWindows& windows);
};
