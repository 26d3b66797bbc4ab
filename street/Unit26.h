// The story told before the thug appears.
#pragma once

#include "core/GameWindow.h"

class TForm26 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm26(GameWindows& windows);
};
