// Love: a girl has been charmed.
#pragma once

#include "core/GameWindow.h"

class TForm22 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm22(GameWindows& windows);
};
