// The book department: buying or stealing the book of homework answers.
#pragma once

#include "core/GameWindow.h"

class TForm15 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm15(GameWindows& windows);
};
