// The credits at the end of the school year.
#pragma once

#include "core/GameWindow.h"

class TForm38 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm38(GameWindows& windows);
};
