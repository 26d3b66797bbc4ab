// The game hall "Геймер": games for money that lift the mood.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

// Works on copies of Money and Mood that the outside-school window puts into its labels and takes back.
class TForm8 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm8(GameWindows& windows);

    QLabel* Label1; // the greeting
    QLabel* moneyLabel; // the copy of Money
    QLabel* moodLabel; // the copy of Mood

    QPushButton* Button1; // 10 minutes
    QPushButton* Button2; // 30 minutes
    QPushButton* Button3; // 1 hour
    QPushButton* Button4; // 2 hours
    QPushButton* Button5; // "Уйти"

private:
    void Play(int price, int gain);
};
