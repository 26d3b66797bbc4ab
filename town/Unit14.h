// The lunch-money window "Мамка": agreeing with the mother a daily allowance for school lunches.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Reads and writes LunchMoney directly. The amount field keeps what was typed from one opening to the next.
class TForm14 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm14(GameWindows& windows);

    void Button1Click();

private:
    QLabel* Label1; // the mother's offer
    QLabel* Label2; // "Я хочу, чтобы платила ты мне по"
    QLineEdit* Edit1; // the amount a day
    QLabel* Label3; // "рублей"
    QPushButton* Button1; // "ОК"
    QPushButton* Button2; // "Я совсем не голодный! Это я глупость сказал.."
};
