// The outside-school window: the town's places after school.
#pragma once

#include "core/GameWindow.h"

class TForm5 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm5(Forms& forms);
};
