// The mobile phone menu.
#pragma once

#include "core/GameWindow.h"

class TForm30 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm30(GameWindows& windows);
};
