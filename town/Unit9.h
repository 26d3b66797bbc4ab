// The karate club "Клуб Каратист": signing up for the daily training that raises fighting skill.
#pragma once

#include "town/CopyInOut.h"

class QLabel;
class QPushButton;

// Works on copies of Money, FightSkill and AttendsTraining that the outside-school window hands in and takes back.
// The club shows the fighting skill but never changes it: the training itself happens at midnight.
class TForm9 : public TPlaceWindow {
    Q_OBJECT
public:
    explicit TForm9(GameWindows& windows);

    void Button1Click();
    void Button2Click();

private:
    void Tell(const QString& refusal);

    QLabel* Label1; // the offer
    QLabel* moneyLabel; // shows the copy of Money
    QLabel* skillLabel; // shows the copy of FightSkill
    QLabel* trainingLabel; // shows the copy of AttendsTraining

    QPushButton* Button1; // "Записать меня"
    QPushButton* Button2; // "Я больше не хочу тренироваться"
    QPushButton* Button3; // "Выйти"
};
