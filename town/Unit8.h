// The game hall: games for money that lift the mood.
#pragma once

#include "core/GameWindow.h"

class TForm8 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm8(GameWindows& windows);
};
