// Buying one item in a food outlet: the money test, the price, the gain and the cap at 100.
#pragma once

#include <QString>

// The most satiety, mood or vigor a purchase can leave.
constexpr int PurchaseCap = 100;

// What the player is told when the money does not reach the price.
extern const char* const NotEnoughMoneyMessage;

struct PurchaseOutcome {
    bool bought = false; // false: not enough money, nothing changes
    QString money; // the money left, as text
    QString target; // the raised value, as text ("100" when it reached the cap)
};

// One purchase of an item costing `price` that raises `target` by `gain`. Both texts are read before anything is
// decided, so a value that is not a whole number throws EConvertError and the purchase changes nothing.
// A target already above 100 is not cut back until a purchase raises it.
PurchaseOutcome Purchase(const QString& money, const QString& target, int price, int gain);
