// The outside-school window: the town's places after school.
#pragma once

#include "core/GameWindow.h"

class QFrame;
class QLabel;
class QPushButton;

class TForm5 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm5(GameWindows& windows);

    void Button1Click();
    void Button9Click();
    void Button2Click();
    void Button4Click();
    void Button6Click();
    void Button11Click();
    void Button8Click();
    void Button3Click();
    void Button5Click();
    void Button7Click();
    void Button10Click();

private:
    QLabel* Label1; // "ЧТО БУДЕМ ДЕЛАТЬ?"
    QFrame* buttonFrame; // the framed area holding the buttons

    QPushButton* Button1; // "Пойти в местный супермаркет"
    QPushButton* Button9; // "Пойти в игровой зал "Геймер""
    QPushButton* Button2; // "Пойти к девушке из класса..."
    QPushButton* Button4; // "Пойти в "Клуб Каратист""
    QPushButton* Button6; // "Пойти в "Центр Занятости Молодежи""
    QPushButton* Button11; // "Пойти в кафе "Солнышко""
    QPushButton* Button8; // "Ничего не делать"
    QPushButton* Button3; // "Моя копилка"
    QPushButton* Button5; // "Мобильник"
    QPushButton* Button7; // "Поговорить с мамой"
    QPushButton* Button10; // "Заняться ГОП-СТОПОМ"
};
