// Lying in wait for a victim.
#pragma once

#include "core/GameWindow.h"

class TForm40 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm40(GameWindows& windows);
};
