// Selling the book of homework answers to a classmate.
#pragma once

#include "core/GameWindow.h"

class TForm16 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm16(GameWindows& windows);
};
