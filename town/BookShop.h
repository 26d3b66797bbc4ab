// The book of homework answers (ГДЗ): buying and stealing it in the supermarket, selling it to a classmate.
#pragma once

#include <QString>
#include <QStringList>

#include "core/Ui.h"

class TGameState;

// What the book costs in the shop; a classmate pays less than this.
constexpr int GdzPrice = 50;
// Authority won by a theft that works, and lost when the player is caught.
constexpr int GdzTheftAuthority = 10;

// "Купить ГДЗ": the messages for the player. Money is read before anything changes.
QStringList BuyGdz(TGameState& state);
// "Попытаться стащить ГДЗ": one theft in three works; a caught thief pays the price all the same. Tried only with
// the money to pay if caught, so the refusals come before any draw.
// A caught thief is told first and pays afterwards.
RuleOutcome StealGdz(TGameState& state);

struct GdzSale {
    QStringList messages;
    bool offerOver = true; // false: the price was refused as typed, the classmate still waits for a real one
};
// "Продать" at the typed price. A price of 50 or more is laughed off; below it the classmate takes the book when the
// price is under 50 minus a draw of 0..19, so 30 or less always sells. A price below zero is not a price at all:
// the player is told so and nothing changes. A price that is not a number throws EConvertError before any change.
GdzSale SellGdz(TGameState& state, const QString& priceText);
