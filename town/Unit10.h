// The school canteen: buys food for money, raising satiety.
#pragma once

#include "town/CopyInOut.h"

class QLabel;
class QPushButton;

// Works on copies of Money and Satiety that the in-school window hands in and takes back afterwards.
class TForm10 : public TPlaceWindow {
    Q_OBJECT
public:
    explicit TForm10(GameWindows& windows);

private:
    QLabel* Label1; // "Что хотели?"
    QLabel* moneyLabel; // shows the copy of Money
    QLabel* satietyLabel; // shows the copy of Satiety

    QPushButton* Button1; // raisin bun
    QPushButton* Button7; // poppy-seed bun
    QPushButton* Button2; // jam bun
    QPushButton* Button5; // pizza
    QPushButton* Button8; // borscht
    QPushButton* Button9; // semolina
    QPushButton* Button10; // mashed potatoes
    QPushButton* Button3; // compote
    QPushButton* Button4; // tea
    QPushButton* Button6; // "Ничего": leaves the canteen
};
