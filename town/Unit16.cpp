#include "town/Unit16.h"

TForm16::TForm16(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Продажа ГДЗ"), QSize(681, 329), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
