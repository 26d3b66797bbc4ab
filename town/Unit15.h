// The book department: buying or stealing the book of homework answers.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

// Reads and writes HasGdz, Money and Authority of the game state directly.
class TForm15 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm15(GameWindows& windows);

    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    QLabel* Label1; // "Хотите купить книгу? Нет проблем! Какую книгу Вам надо?"
    QPushButton* Button1; // "Купить ГДЗ (Стоимость 50 руб.)"
    QPushButton* Button2; // "Попытаться стащить ГДЗ... =)"
    QPushButton* Button3; // "Выйти из этого отдела"
};
