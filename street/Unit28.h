// After a won fight with the thug: look into his pockets?
#pragma once

#include "street/LootWindow.h"

class TForm28 : public TLootWindow {
    Q_OBJECT
public:
    explicit TForm28(GameWindows& windows);
};
