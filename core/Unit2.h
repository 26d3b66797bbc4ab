// The too-late notice: shown instead of a place when the player should be asleep.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

class TForm2 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm2(GameWindows& windows);

    void Button1Click();

private:
    QLabel* Label1; // "А не поздно ли куда-то идти?!?"
    QPushButton* Button1; // "Я все понял, извини."
};
