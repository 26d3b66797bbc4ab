// The exam choice: two exams of the player's choice besides the compulsory ones.
#pragma once

#include "core/GameWindow.h"

class PictureBox;
class QComboBox;
class QLabel;
class QPushButton;

class TForm44 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm44(GameWindows& windows);

    // The subjects chosen (key names); the lists keep them from one school year to the next.
    QString FirstChoice() const;
    QString SecondChoice() const;

    void Button1Click();

private:
    PictureBox* Image1;
    QLabel* Label1; // "Так-с, русский язык и алгебру хоть как придется сдать..."
    QLabel* Label2; // "Первый выборочный экзамен:"
    QLabel* Label3; // "Второй выборочный экзамен:"
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QPushButton* Button1; // "ОК"
};
