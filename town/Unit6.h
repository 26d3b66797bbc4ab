// The in-school window: what the player can do during lessons.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

class TForm6 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm6(GameWindows& windows);

    void Button1Click();
    void Button6Click();
    void Button5Click();
    void Button2Click();
    void Button4Click();
    void Button3Click();

private:
    QLabel* Label1; // "ЧТО БУДЕМ ДЕЛАТЬ?"
    QPushButton* Button1; // "Пойти в столовку"
    QPushButton* Button6; // "Продать ГДЗ кому-нибудь"
    QPushButton* Button5; // "Мобильник"
    QPushButton* Button2; // "Поговорить с девушкой из класса..."
    QPushButton* Button4; // "Ничего не делать"
    QPushButton* Button3; // "Сбежать"
};
