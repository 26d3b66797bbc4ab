// The thug: an evening street conversation.
#pragma once

#include "core/GameWindow.h"

class TForm25 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm25(GameWindows& windows);
};
