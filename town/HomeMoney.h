// Money at home: the allowance agreed with the mother and the piggy bank.
#pragma once

#include <QString>

// The most the mother pays a day for school lunches.
constexpr int MaxLunchMoney = 10;

// What the player is told when a typed amount is below zero; the amount is refused and nothing changes.
extern const char* const NegativeAmountMessage;

struct AllowanceOutcome {
    bool agreed = false; // true: LunchMoney becomes `lunchMoney` and the window closes
    int lunchMoney = 0;
    QString message;
};

// "ОК" in the lunch-money window. A text that is not a whole number throws EConvertError.
AllowanceOutcome AgreeAllowance(const QString& amount);

// One move of money between the cash and the piggy bank, on the piggy bank's copies.
struct PiggyMove {
    bool moved = false; // false: refused, nothing changes and `message` says why
    QString field; // the amount field after the move (cut to what there was)
    QString from; // the source after the move
    QString to; // the destination after the move
    QString message;
};

// Moves `amount` from `from` to `to`: "Положить" moves cash into the piggy bank, "Забрать" the other way. An amount
// larger than the source takes the whole source, and the field then shows it; a source below zero gives nothing.
// Every text is read before anything is decided, so a text that is not a whole number throws EConvertError.
PiggyMove MoveMoney(const QString& amount, const QString& from, const QString& to);
