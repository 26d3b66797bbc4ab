// The exam choice: two exams of the player's choice besides the compulsory ones.
#pragma once

#include "core/GameWindow.h"

class TForm44 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm44(GameWindows& windows);
};
