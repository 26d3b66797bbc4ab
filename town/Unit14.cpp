#include "town/Unit14.h"

TForm14::TForm14(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Мамка"), QSize(400, 279), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
