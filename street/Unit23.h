// A girl's rejection that ends badly.
#pragma once

#include "core/GameWindow.h"

class TForm23 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm23(GameWindows& windows);
};
