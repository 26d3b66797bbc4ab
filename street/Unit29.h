// The happy end of a talk with the thug: a handshake, and everyone goes home.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;

class TForm29 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm29(GameWindows& windows);

private:
    QLabel* Label1; // the happy end
    QPushButton* Button1; // "OK"
};
