// The SMS window: writing and reading text messages.
#pragma once

#include "core/GameWindow.h"

class TForm33 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm33(GameWindows& windows);
};
