// Money at home: the allowance agreed with the mother and the piggy bank.
#pragma once

#include "core/GameState.h"

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
    QString field; // the amount field after the move: as typed, or what could move when that was less
    QString message;
};

// Moves the typed amount from one copy to the other: "Положить" moves cash into the piggy bank, "Забрать" the other
// way. Never more than the source holds (nothing when it is below zero) nor than the destination can take below
// ValueLimit, so no money is lost or made; when less moves than was asked, the field shows what did. The amount and
// both copies are read before anything is decided, so a text that is not a whole number throws EConvertError.
PiggyMove MoveMoney(GameValues& copies, const QString& amount, NumberField from, NumberField to);
