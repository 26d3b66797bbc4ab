// The talk with the victim of a robbery.
#pragma once

#include "core/GameWindow.h"

class TForm41 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm41(GameWindows& windows);
};
