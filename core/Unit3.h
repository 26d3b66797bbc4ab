// The name window: asks the player's name at start-up, or offers to load a saved game.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TForm3 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm3(GameWindows& windows);

    QString playerName() const;

    QLabel* Label1; // the greeting
    QLineEdit* Edit1; // the name box
    QPushButton* Button1; // "Новая игра"
    QPushButton* Button2; // "Загрузить игру"

    void Button1Click();
    void Button2Click();
};
