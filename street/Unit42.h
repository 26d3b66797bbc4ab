// After a won fight with a passer-by: look into his pockets?
#pragma once

#include "street/LootWindow.h"

class TForm42 : public TLootWindow {
    Q_OBJECT
public:
    explicit TForm42(GameWindows& windows);
};
