// The thug: an evening street conversation with three ways out (pay, fight, run).
#pragma once

#include "street/TalkWindow.h"

class TForm25 : public TTalkWindow {
    Q_OBJECT
public:
    explicit TForm25(GameWindows& windows);

protected:
    void OutcomeWar() override;
    void OutcomeCh1() override { Button4Click(); }
    void OutcomeCh2() override { Button5Click(); }
    void OutcomeCh3() override { Button6Click(); }
    void OutcomeWin() override;
    void AfterStart() override;

private:
    void Button4Click();
    void Button5Click();
    void Button6Click();

    QPushButton* Button4; // "Отдать деньги"
    QPushButton* Button5; // "Начать драку"
    QPushButton* Button6; // "Попытаться убежать"
};
