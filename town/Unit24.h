// The phone department: the phone catalogue and buying a phone.
#pragma once

#include "core/GameWindow.h"

class TForm24 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm24(GameWindows& windows);
};
