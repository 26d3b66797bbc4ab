#include "town/Leisure.h"

#include "core/Errors.h"
#include "core/GameState.h"

const char* const HallNoMoneyMessage = "У вас не хватает денег!";

TrainingChange SignUpForTraining(const QString& training, const QString& money)
{
    if (training != TextNo)
        return { training, QStringLiteral("Вы уже записаны!") };
    if (StrToInt(money) < TrainingFee)
        return { training, QStringLiteral("А вы уверены, что у вас хватает денег?") };
    return { TextYes, QString() };
}

TrainingChange QuitTraining(const QString& training)
{
    if (training != TextYes)
        return { training, QStringLiteral("Вы же даже не записаны!") };
    return { TextNo, QString() };
}
