#include "street/Unit23.h"

TForm23::TForm23(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("--- СМЕРТЬ! ---"), QSize(400, 300), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
