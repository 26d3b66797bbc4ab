// The food department of the supermarket: buys food for money, raising satiety.
#pragma once

#include "town/CopyInOut.h"

class QLabel;
class QPushButton;

// Works on copies of Money and Satiety that the supermarket hands in and takes back afterwards.
class TForm11 : public TPlaceWindow {
    Q_OBJECT
public:
    explicit TForm11(GameWindows& windows);

private:
    QLabel* Label1; // "Что-то хотели?"
    QLabel* moneyLabel; // shows the copy of Money
    QLabel* satietyLabel; // shows the copy of Satiety

    QPushButton* Button1; // white bread
    QPushButton* Button2; // long loaf
    QPushButton* Button3; // soda
    QPushButton* Button4; // mineral water
    QPushButton* Button5; // "Выйти из этого отдела"
};
