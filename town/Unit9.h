// The karate club "Клуб Каратист": signing up for the daily training that raises fighting skill.
#pragma once

#include "core/GameWindow.h"

class QLabel;
class QPushButton;
struct TrainingChange;

// Works on copies of Money, FightSkill and AttendsTraining that the outside-school window puts into its labels and
// takes back. The club shows the fighting skill but never changes it: the training itself happens at midnight.
class TForm9 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm9(GameWindows& windows);

    QLabel* Label1; // the offer
    QLabel* moneyLabel; // the copy of Money
    QLabel* skillLabel; // the copy of FightSkill
    QLabel* trainingLabel; // the copy of AttendsTraining

    QPushButton* Button1; // "Записать меня"
    QPushButton* Button2; // "Я больше не хочу тренироваться"
    QPushButton* Button3; // "Выйти"

    void Button1Click();
    void Button2Click();

private:
    void Apply(const TrainingChange& change);
};
