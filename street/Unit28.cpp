#include "street/Unit28.h"

TForm28::TForm28(GameWindows& windows)
    : TLootWindow(windows, QStringLiteral("Гопник замочен!"), QStringLiteral(":/art/thug_beaten.svg"),
        QStringLiteral("Круто! Гопник замочен! Будем смотреть, что у него есть в карманах?"), 20,
        QStringLiteral("В карманах у гопника вы нашли %1 рублей."))
{
}
