// The supermarket: its food, book and phone departments.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

class TForm7 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm7(GameWindows& windows);

    void Button1Click();
    void Button3Click();
    void Button2Click();
    void Button4Click();

private:
    QLabel* Label1; // "НУ, И В КАКОЙ ОТДЕЛ ПОЙДЕМ?"
    QPushButton* Button1; // "Продуктовый отдел"
    QPushButton* Button3; // "Книжный отдел"
    QPushButton* Button2; // "Сотовый отдел"
    QPushButton* Button4; // "Выйти из магазина"
};
