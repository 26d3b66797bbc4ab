#include "town/Purchase.h"

#include <algorithm>

const char* const NotEnoughMoneyMessage = "Вы думаете, у вас денег хватит?";

bool Purchase(GameValues& copies, NumberField target, int price, int gain)
{
    if (copies.number(Field::Money) < price)
        return false;
    const qint64 raised = qint64(copies.number(target)) + gain;
    copies.add(Field::Money, -price);
    copies.setNumber(target, std::min<qint64>(raised, PurchaseCap));
    return true;
}
