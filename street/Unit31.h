// The ball game on the phone.
#pragma once

#include "core/GameWindow.h"

class TForm31 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm31(GameWindows& windows);
};
