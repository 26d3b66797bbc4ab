#include "core/DailyEvents.h"

#include "core/GameState.h"
#include "core/Random.h"

QString DeathCause(const TGameState& state)
{
    QString cause;
    if (state.number(Field::Satiety) <= 0)
        cause = QStringLiteral("голода.");
    if (state.number(Field::Mood) < 1)
        cause = QStringLiteral("удушья. Будучи в депрессии вы решили повеситься.");
    if (state.number(Field::Vigor) < 1)
        cause = QStringLiteral("постоянного недосыпания.");
    return cause;
}

QStringList StreetEvent(TGameState& state)
{
    if (Random(2) != 0)
        return {};
    if (state.text(Field::Hour) != QLatin1String("17") || state.text(Field::Minute) != QLatin1String("0")
        || state.text(Field::Day) != QLatin1String("5"))
        return {};
    if (Random(2) == 0) {
        if (Random(2) == 0) {
            state.add(Field::Money, 50);
            return { QStringLiteral("Как хорошо, что вы прошли именно по этой улице! Вы нашли 50 рублевую купюру!") };
        }
        state.add(Field::Money, 10);
        return { QStringLiteral("Как говорится, мелочь, а приятно. Вы нашли 10 рублей.") };
    }
    if (Random(2) == 0) {
        state.add(Field::Authority, -1);
        return { QStringLiteral("Из-за нечаянно сказанной не в тему шутки, ваш авторитет упал на 1 единицу.") };
    }
    state.add(Field::Authority, -2);
    return { QStringLiteral("И кто вас просил лезть в драку с этим Вовкой? Ваш авторитет упал на 2 единицы.") };
}
