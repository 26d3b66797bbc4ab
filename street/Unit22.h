// Love: the talk with a girl ended happily, she is charmed.
#pragma once

#include "core/GameWindow.h"

class PictureBox;
class QLabel;
class QPushButton;

class TForm22 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm22(GameWindows& windows);

    // Congratulates on the talk whose window caption is given ("Разговор с Катей") and shows the window.
    void ShowLove(const QString& talkCaption);

private:
    void Button1Click();

    PictureBox* Image1; // a first date
    QLabel* Label1; // the congratulation
    QPushButton* Button1; // "OK"
};
