#include "town/Unit12.h"

TForm12::TForm12(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Моя копилка"), QSize(400, 280), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
