// The talk with the mother, played from her script "Data\Dialogs\Mother.dlg".
#pragma once

#include "core/GameWindow.h"
#include "town/MotherScript.h"

class QPlainTextEdit;
class QPushButton;

// Reads and writes LunchMoney and MotherPhoneDeal directly; the script is read afresh at every talk.
class TForm13 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm13(GameWindows& windows);

    // Reads the script and shows its first node; a script that cannot be read throws EInOutError and the talk
    // does not start (the window keeps what it had).
    void StartTalk();

    void Button1Click() { Answer(0); }
    void Button2Click() { Answer(1); }
    void Button3Click() { Answer(2); }

private:
    void Answer(int slot);
    void ShowTalk();

    QPlainTextEdit* Memo1; // the mother's speech
    QPushButton* Button1; // answer 1
    QPushButton* Button2; // answer 2
    QPushButton* Button3; // answer 3
    QPushButton* Button4; // "Ладно, я пошел, давай, пока!"

    MotherTalk m_talk;
};
