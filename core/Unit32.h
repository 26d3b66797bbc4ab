// The death window: how the player died, and a new try.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

class TForm32 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm32(GameWindows& windows);

    // Finishes the window's sentence with the cause of death ("голода.") before the window is shown.
    void ShowCause(const QString& cause);

    void Button1Click();
    void Button2Click();

private:
    QLabel* Label1; // the fixed text
    QLabel* DeathCause; // how the player died, given by ShowCause
    QPushButton* Button1; // "Попробовать сначала"
    QPushButton* Button2; // "Выйти"
};
