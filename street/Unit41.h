// The talk with the victim of a robbery: talk him out of his money, fight him, or let him go.
#pragma once

#include "street/TalkWindow.h"

class TForm41 : public TTalkWindow {
    Q_OBJECT
public:
    explicit TForm41(GameWindows& windows);

    QPushButton* Button4; // "Начать драку"
    QPushButton* Button5; // "Отпустить его"

    void Button4Click();
    void Button5Click();

protected:
    void OutcomeWar() override;
    void OutcomeCh1() override;
    void OutcomeCh2() override { Button4Click(); }
    void OutcomeCh3() override;
    void OutcomeWin() override;

private:
    void EndWith(const QString& message);
};
