// The lunch-money window: the mother's daily allowance.
#pragma once

#include "core/GameWindow.h"

class TForm14 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm14(GameWindows& windows);
};
