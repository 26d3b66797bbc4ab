#include "street/Unit42.h"

TForm42::TForm42(GameWindows& windows)
    : TLootWindow(windows, QStringLiteral("Лох замочен!"), QStringLiteral(":/art/victim_beaten.svg"),
        QStringLiteral("Круто! Вы замочили лоха! Будем смотреть, что у него есть в карманах?"), 24,
        QStringLiteral("В карманах у лоха вы нашли %1 рублей. Вполне неплохо."))
{
}
