// The talk with the mother, played from her script.
#pragma once

#include "core/GameWindow.h"

class TForm13 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm13(GameWindows& windows);
};
