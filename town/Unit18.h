// The café: food and coffee for money.
#pragma once

#include "town/CopyInOut.h"

class QLabel;
class QPushButton;

// Works on copies of Money, Satiety and Vigor that the outside-school window hands in and takes back afterwards.
class TForm18 : public TPlaceWindow {
    Q_OBJECT
public:
    explicit TForm18(GameWindows& windows);

    void Button2Click();

private:
    QLabel* Label1; // the greeting
    QLabel* moneyLabel; // shows the copy of Money
    QLabel* satietyLabel; // shows the copy of Satiety
    QLabel* vigorLabel; // shows the copy of Vigor

    QPushButton* Button2; // beer: never sold to a pupil
    QPushButton* Button5; // crisps
    QPushButton* Button3; // mini pizza
    QPushButton* Button4; // cola
    QPushButton* Button6; // coffee: vigor, not satiety
    QPushButton* Button1; // "Выйти из кафе"
};
