// The piggy bank: puts money away and takes it back.
#pragma once

#include "core/GameWindow.h"

class TForm12 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm12(GameWindows& windows);
};
