#include "street/Unit37.h"

TForm37::TForm37(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("О игре Half-Life 2"), QSize(400, 300), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
