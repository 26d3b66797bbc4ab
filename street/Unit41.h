// The talk with the victim of a robbery: talk him out of his money, fight him, or let him go.
#pragma once

#include "street/TalkWindow.h"

class TForm41 : public TTalkWindow {
    Q_OBJECT
public:
    explicit TForm41(GameWindows& windows);

protected:
    void OutcomeWar() override { EndWith(DialogOutcome::War); }
    void OutcomeCh1() override { EndWith(DialogOutcome::Ch1); }
    void OutcomeCh2() override { Button4Click(); }
    void OutcomeCh3() override { EndWith(DialogOutcome::Ch3); }
    void OutcomeWin() override { EndWith(DialogOutcome::Win); }

private:
    void Button4Click();
    void Button5Click();
    // The talk ends by its code: the player is told how, then the money changes, then the window closes.
    void EndWith(DialogOutcome outcome);

    QPushButton* Button4; // "Начать драку"
    QPushButton* Button5; // "Отпустить его"
};
