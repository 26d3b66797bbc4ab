#include "town/Purchase.h"

#include "core/Errors.h"
#include "core/GameState.h"

const char* const NotEnoughMoneyMessage = "Вы думаете, у вас денег хватит?";

PurchaseOutcome Purchase(const QString& money, const QString& target, int price, int gain)
{
    const int cash = StrToInt(money);
    if (cash < price)
        return { false, money, target };
    const int raised = Bounded(qint64(StrToInt(target)) + gain);
    return { true, QString::number(cash - price),
        raised >= PurchaseCap ? QString::number(PurchaseCap) : QString::number(raised) };
}
