#include "town/Unit13.h"

TForm13::TForm13(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Разговор с мамой"), QSize(500, 380), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
