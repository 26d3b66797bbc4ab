// The in-school window: what the player can do during lessons.
#pragma once

#include "core/GameWindow.h"

class TForm6 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm6(Forms& forms);
};
