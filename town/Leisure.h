// The rules of the game hall and the karate club, on the copies the windows show.
#pragma once

#include <QString>

class GameValues;

// The game hall's "not enough money".
extern const char* const HallNoMoneyMessage;
// The daily training fee; a sign-up needs this much in hand (nothing is taken before midnight).
constexpr int TrainingFee = 10;

// "Записать меня" on the club's copies: only someone not signed up ("Нет") and with the fee in hand; AttendsTraining
// becomes "Да". Returns what the player is told when it is refused, or nothing. The money is read only when the
// sign-up gets that far, and a text that is not a whole number throws EConvertError.
QString SignUpForTraining(GameValues& copies);
// "Я больше не хочу тренироваться": only someone signed up ("Да"); AttendsTraining becomes "Нет".
QString QuitTraining(GameValues& copies);
