// The rules of the game hall and the karate club, on the copies the windows show.
#pragma once

#include <QString>

// The game hall's "not enough money".
extern const char* const HallNoMoneyMessage;
// The daily training fee; a sign-up needs this much in hand (nothing is taken before midnight).
constexpr int TrainingFee = 10;

// One change of the club's "Я хожу на тренировки?" copy: the new text, or a message and no change.
struct TrainingChange {
    QString training; // the copy after the step (unchanged when refused)
    QString message; // empty when the step went through
};

// "Записать меня": only someone not signed up ("Нет") and with the fee in hand. The money is parsed only when
// the sign-up gets that far, and a text that is not a whole number throws EConvertError.
TrainingChange SignUpForTraining(const QString& training, const QString& money);
// "Я больше не хочу тренироваться": only someone signed up ("Да").
TrainingChange QuitTraining(const QString& training);
