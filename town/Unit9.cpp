#include "town/Unit9.h"

TForm9::TForm9(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Клуб Каратист"), QSize(356, 436), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
