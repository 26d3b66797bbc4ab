// The game hall "Геймер": games for money that lift the mood.
#pragma once

#include "town/CopyInOut.h"

class QLabel;
class QPushButton;

// Works on copies of Money and Mood that the outside-school window hands in and takes back afterwards.
class TForm8 : public TPlaceWindow {
    Q_OBJECT
public:
    explicit TForm8(GameWindows& windows);

private:
    QLabel* Label1; // the greeting
    QLabel* moneyLabel; // shows the copy of Money
    QLabel* moodLabel; // shows the copy of Mood

    QPushButton* Button1; // 10 minutes
    QPushButton* Button2; // 30 minutes
    QPushButton* Button3; // 1 hour
    QPushButton* Button4; // 2 hours
    QPushButton* Button5; // "Уйти"
};
