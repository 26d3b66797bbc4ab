// Selling the book of homework answers to a classmate.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Opened by the in-school sale offer once a classmate wants the book; reads and writes Money and HasGdz directly.
// The price field keeps what the player typed from one offer to the next.
class TForm16 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm16(GameWindows& windows);

    void Button1Click();
    void Button2Click();

protected:
    // The price is ready to be typed over.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Label1; // the classmate's words
    QLabel* Label2; // "Продать за"
    QLineEdit* Edit1; // the price, "0" at the start of the game
    QLabel* Label3; // "руб."
    QPushButton* Button1; // "Продать"
    QPushButton* Button2; // "Я передумал продавать"
};
