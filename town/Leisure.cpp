#include "town/Leisure.h"

#include "core/GameState.h"

const char* const HallNoMoneyMessage = "У вас не хватает денег!";

QString SignUpForTraining(GameValues& copies)
{
    if (copies.text(Field::AttendsTraining) != TextNo)
        return QStringLiteral("Вы уже записаны!");
    if (copies.number(Field::Money) < TrainingFee)
        return QStringLiteral("А вы уверены, что у вас хватает денег?");
    copies.setText(Field::AttendsTraining, TextYes);
    return {};
}

QString QuitTraining(GameValues& copies)
{
    if (copies.text(Field::AttendsTraining) != TextYes)
        return QStringLiteral("Вы же даже не записаны!");
    copies.setText(Field::AttendsTraining, TextNo);
    return {};
}
