// The credits at the end of the school year: the text and the pictures of the year roll up, then "THE END".
#pragma once

#include "core/GameWindow.h"

class PictureBox;
class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;

class TForm38 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm38(GameWindows& windows);

    // Puts the text below the window, "THE END" left of it and the tall picture at the top, and starts the roll.
    void StartScrolling();
    void StopScrolling();

    void Timer1Timer();
    void Button1Click();

private:
    void FitText();

    QWidget* Stage; // the part of the window the credits roll through
    QTextEdit* Memo1; // the credits text
    PictureBox* Image1; // the tall picture strip
    PictureBox* Image2; // the last picture, at the same place
    QLabel* Label1; // "ТИПА,  THE END"
    QPushButton* Button1; // "Новая игра"
    QTimer* Timer1;
    bool m_textFitted = false;
};
