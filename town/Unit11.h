// The food department of the supermarket: buys food for money, raising satiety.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

// Works on copies of Money and Satiety that the supermarket puts into its labels and takes back afterwards.
class TForm11 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm11(GameWindows& windows);

    QLabel* Label1; // "Что-то хотели?"
    QLabel* moneyLabel; // the copy of Money
    QLabel* satietyLabel; // the copy of Satiety

    QPushButton* Button1; // white bread
    QPushButton* Button2; // long loaf
    QPushButton* Button3; // soda
    QPushButton* Button4; // mineral water
    QPushButton* Button5; // "Выйти из этого отдела"
};
