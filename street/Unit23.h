// The rejection: the girl did not like the player this time.
#pragma once

#include "core/GameWindow.h"

class PictureBox;
class QLabel;
class QPushButton;

class TForm23 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm23(GameWindows& windows);

private:
    void Button1Click();

    PictureBox* Image1; // a lonely evening
    QLabel* Label1; // what went wrong and what to do next
    QPushButton* Button1; // "OK"
};
