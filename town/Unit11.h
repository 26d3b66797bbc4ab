// The food department of the supermarket: buys food for money, raising satiety.
#pragma once

#include "core/GameWindow.h"

class TForm11 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm11(Forms& forms);
};
