// A conversation with a girl, played from her script.
#pragma once

#include "core/GameWindow.h"

class TForm20 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm20(GameWindows& windows);
};
