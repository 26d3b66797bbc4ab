// The fist fight.
#pragma once

#include "core/GameWindow.h"

class TForm27 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm27(GameWindows& windows);
};
