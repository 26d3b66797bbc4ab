// The karate club: signing up for the training that raises fighting skill.
#pragma once

#include "core/GameWindow.h"

class TForm9 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm9(GameWindows& windows);
};
