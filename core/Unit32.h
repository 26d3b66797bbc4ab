// The death window: how the player died, and a new try.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

class TForm32 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm32(GameWindows& windows);

    QLabel* Label1; // the fixed text
    QLabel* DeathCause; // filled by the death check before the window shows
    QPushButton* Button1; // "Попробовать сначала"
    QPushButton* Button2; // "Выйти"

    void Button1Click();
    void Button2Click();
};
