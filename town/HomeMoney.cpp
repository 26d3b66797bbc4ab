#include "town/HomeMoney.h"

#include "core/Errors.h"

const char* const NegativeAmountMessage = "Сумма не может быть меньше нуля!";

AllowanceOutcome AgreeAllowance(const QString& amount)
{
    const int a = StrToInt(amount);
    AllowanceOutcome outcome;
    if (a > MaxLunchMoney) {
        outcome.message = QStringLiteral("А жирно ли не будет?");
    } else if (a < 0) {
        outcome.message = QString::fromUtf8(NegativeAmountMessage);
    } else {
        outcome.agreed = true;
        outcome.lunchMoney = a;
        outcome.message = QStringLiteral("ОК. Договорились.");
    }
    return outcome;
}

PiggyMove MoveMoney(GameValues& copies, const QString& amount, NumberField from, NumberField to)
{
    const int wanted = StrToInt(amount);
    copies.number(from);
    copies.number(to);
    if (wanted < 0)
        return { false, amount, QString::fromUtf8(NegativeAmountMessage) };
    const int moved = copies.move(from, to, wanted);
    return { true, moved == wanted ? amount : QString::number(moved), QString() };
}
