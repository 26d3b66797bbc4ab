// The mobile phone: the balance, paid calls to the girls and the mother, the phone game and the SMS window.
#pragma once

#include "core/GameWindow.h"

#include <functional>

class PictureBox;
class QLabel;
class QPushButton;

// A call costs 100 USC plus up to 29 more, drawn anew for each call.
constexpr int CallBasePrice = 100;
constexpr int CallPriceSpread = 30;

class TForm30 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm30(GameWindows& windows);

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    // A paid call: the price is drawn and tested against the credit before the talk, and charged after it.
    void call(const std::function<void()>& talk);

    QLabel* Label1; // "Вы достали мобильник из своего кармана. Что будете с ним делать?"
    PictureBox* Image1; // the phone
    PictureBox* Image2; // its screen up close
    QPushButton* Button1; // "Положить мобильник обратно в карман"
    QPushButton* Button2; // "Сообщения SMS"
    QPushButton* Button3; // "Набрать *102#"
    QPushButton* Button4; // "Поговорить с подругами из класса"
    QPushButton* Button5; // "Поговорить с мамой"
    QPushButton* Button6; // "Поиграть в Java-игру"
};
