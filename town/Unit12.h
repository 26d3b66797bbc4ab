// The piggy bank: puts money away and takes it back.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Works on copies of Money and PiggyBank that the outside-school window puts into its labels and takes back.
class TForm12 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm12(GameWindows& windows);

    QLabel* Label1; // "Моя любимая копилка. Что будем с ней делать?"
    QLabel* moneyLabel; // the copy of Money
    QLabel* piggyLabel; // the copy of PiggyBank
    QLineEdit* Edit1; // how much to put in
    QLineEdit* Edit2; // how much to take out

    QPushButton* Button1; // "Положить"
    QPushButton* Button2; // "Забрать"
    QPushButton* Button3; // "Отойти от копилки"

    void Button1Click();
    void Button2Click();

private:
    void Move(QLineEdit* field, QLabel* from, QLabel* to);
};
