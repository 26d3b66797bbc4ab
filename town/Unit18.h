// The café: food and coffee for money.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

// Works on copies of Money, Satiety and Vigor that the outside-school window puts into its labels and takes back.
class TForm18 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm18(GameWindows& windows);

    QLabel* Label1; // the greeting
    QLabel* moneyLabel; // the copy of Money
    QLabel* satietyLabel; // the copy of Satiety
    QLabel* vigorLabel; // the copy of Vigor

    QPushButton* Button2; // beer: never sold to a pupil
    QPushButton* Button5; // crisps
    QPushButton* Button3; // mini pizza
    QPushButton* Button4; // cola
    QPushButton* Button6; // coffee: vigor, not satiety
    QPushButton* Button1; // "Выйти из кафе"

    void Button2Click();
};
