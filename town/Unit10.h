// The school canteen: buys food for money, raising satiety.
#pragma once

#include "core/GameWindow.h"

class TForm10 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm10(Forms& forms);
};
