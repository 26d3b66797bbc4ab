// The game offer: an old friend praises the new shooter game; buy the box or not.
#pragma once

#include "core/GameWindow.h"

class PictureBox;
class QLabel;
class QPushButton;

class TForm37 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm37(GameWindows& windows);

    // The event of 3 February 2006: the offer, the game itself when it is bought, and what the school thinks of the
    // player the next day.
    void OfferTheGame();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Button1Click();
    void Button2Click();

    PictureBox* Image1; // the game box
    QLabel* Label1; // the friend's story
    QPushButton* Button1; // "Купить (2 CD, 160 руб)": OK
    QPushButton* Button2; // "Не покупать": Cancel
};
