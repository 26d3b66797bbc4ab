// The girls of the class: whom to talk to.
#pragma once

#include "core/GameWindow.h"

class TForm19 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm19(GameWindows& windows);
};
