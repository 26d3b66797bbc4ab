#include "town/Unit17.h"

TForm17::TForm17(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Центр Занятости Молодежи"), QSize(560, 420), WindowFrame::CloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
