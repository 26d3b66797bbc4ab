#include "street/Unit36.h"

TForm36::TForm36(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("GRELN_x's   HALF-LIFE 2"), QSize(640, 480), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
