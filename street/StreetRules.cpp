#include "street/StreetRules.h"

#include "core/Random.h"

int MoneyAfterHandingOver(int money)
{
    // money / 100 * 5 exactly, as whole hundredths: quotient and remainder of money * 5 by 100, rounded half to even.
    const qint64 scaled = qint64(money) * 5;
    qint64 whole = scaled / 100;
    qint64 rest = scaled % 100;
    if (rest < 0) {
        rest += 100;
        --whole;
    }
    if (rest > 50 || (rest == 50 && whole % 2 != 0))
        ++whole;
    return int(whole);
}

int PeopleAfterStreetBeat(int people)
{
    if (Random(2) == 1)
        people += Random(3);
    else
        people -= Random(3);
    return people <= 0 ? 1 : people;
}

Approach TryApproach(bool allowedToday, int people)
{
    if (!allowedToday)
        return { false, QStringLiteral("Не, на сегодня хватит. Я устал.") };
    // With fewer than six people there is nobody to stand in the way.
    const int crowd = people / 3;
    if (crowd > 1 && Random(crowd) != 0) {
        return { false,
            QStringLiteral("Блин, народ - чмо, не дает подойти к лоху. Нужно подождать, пока прохожие пройдут...") };
    }
    if (Random(2) == 1) {
        static const char* const slippedAway[] = {
            "Стой, куда побежал-то? Какой-то пугливый ботаник попался...",
            "Во чмо, в магазин зашел. Ждать не буду.",
            "Так-с, этот лох точно не один. Лучше не соваться.",
            "Ага. Иди ты нафиг. Лучше к другому...",
            "Я пока не вижу ботаников или лохов.",
        };
        return { false, QString::fromUtf8(slippedAway[Random(5)]) };
    }
    return { true, QString() };
}
