// The piggy bank: puts money away and takes it back.
#pragma once

#include "town/CopyInOut.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Works on copies of Money and PiggyBank that the outside-school window hands in and takes back afterwards. The two
// amount fields keep what the player typed from one visit to the next.
class TForm12 : public TPlaceWindow {
    Q_OBJECT
public:
    explicit TForm12(GameWindows& windows);

    void Button1Click();
    void Button2Click();

private:
    void Move(QLineEdit* field, NumberField from, NumberField to);

    QLabel* Label1; // "Моя любимая копилка. Что будем с ней делать?"
    QLabel* moneyLabel; // shows the copy of Money
    QLabel* piggyLabel; // shows the copy of PiggyBank
    QLineEdit* Edit1; // how much to put in
    QLineEdit* Edit2; // how much to take out

    QPushButton* Button1; // "Положить"
    QPushButton* Button2; // "Забрать"
    QPushButton* Button3; // "Отойти от копилки"
};
