// The teacher's question: three questions from a subject, graded 2 to 5.
#pragma once

#include "core/GameWindow.h"

class TForm35 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm35(Forms& forms);
};
