#include "town/HomeMoney.h"

#include "core/Errors.h"

#include <algorithm>

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

PiggyMove MoveMoney(const QString& amount, const QString& from, const QString& to)
{
    const int wanted = StrToInt(amount);
    // Wide sums, so that no pair of whole numbers the player can type overflows.
    const qint64 source = StrToInt(from);
    const qint64 destination = StrToInt(to);
    PiggyMove move;
    if (wanted < 0) {
        move.message = QString::fromUtf8(NegativeAmountMessage);
        return move;
    }
    // Only what is there can be moved: the field shows the whole source when it asked for more.
    QString field = amount;
    qint64 d = wanted;
    if (source < wanted) {
        d = std::max<qint64>(source, 0);
        field = QString::number(d);
    }
    move.moved = true;
    move.field = field;
    move.from = QString::number(source - d);
    move.to = QString::number(destination + d);
    return move;
}
