// Buying one item in a food outlet or a play in the game hall: the money test, the price, the gain and the cap at 100.
#pragma once

#include "core/GameState.h"

// The most satiety, mood or vigor a purchase can leave.
constexpr int PurchaseCap = 100;

// What the player is told in a food outlet when the money does not reach the price.
extern const char* const NotEnoughMoneyMessage;

// One purchase of an item costing `price` that raises `target` by `gain`, on a place window's copies. Returns false,
// changing nothing, when the money does not reach the price. Money that is not a whole number throws EConvertError;
// so does the target once the money is enough, always before anything changes. A target already above 100 is not cut
// back until a purchase raises it.
bool Purchase(GameValues& copies, NumberField target, int price, int gain);
