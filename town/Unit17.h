// The job centre: the seven jobs and their demands.
#pragma once

#include "core/GameWindow.h"

class TForm17 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm17(GameWindows& windows);
};
