// The café: food and coffee for money.
#pragma once

#include "core/GameWindow.h"

class TForm18 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm18(Forms& forms);
};
