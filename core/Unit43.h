// The introduction: the story of the move to a new town and the goals of the school year.
#pragma once

#include "core/GameWindow.h"

class QPlainTextEdit;
class QPushButton;

class TForm43 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm43(GameWindows& windows);

    void Button1Click();

private:
    QPlainTextEdit* Memo1; // the story, read-only
    QPushButton* Button1; // "Ок"
};

// The text of the introduction, one element per line.
QStringList IntroductionLines();
