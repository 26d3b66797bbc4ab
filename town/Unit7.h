// The supermarket: its food, book and phone departments.
#pragma once

#include "core/GameWindow.h"

class TForm7 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm7(Forms& forms);
};
