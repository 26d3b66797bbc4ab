#include "town/Unit8.h"

TForm8::TForm8(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Игровой Зал"), QSize(476, 307), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
