// The ball game on the phone: hit the ball of lightning as it hops over the field; every hit lifts the mood.
#pragma once

#include "core/GameWindow.h"

class ClickPicture;
class PictureBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

class TForm31 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm31(GameWindows& windows);

    // "Поиграть в Java-игру": a game from a score of 0 until "Закончить", then the points go to the mood.
    void Play();

    // The points scored so far.
    int score() const { return m_score; }

private:
    void Timer1Timer();
    void Image2Click();
    void Button1Click();
    void ShowScore(int score);

    QFrame* fieldPanel; // the sunken panel around the field
    PictureBox* Image1; // the playing field, 397 x 397
    ClickPicture* Image2; // the ball, 121 x 121
    QLabel* Label1; // "СЧЕТ:"
    QLabel* BallScore; // the points scored
    QPushButton* Button1; // "Закончить"
    QTimer* Timer1; // moves the ball every 400 ms

    int m_score = 0;
};
