#include "street/Unit26.h"

TForm26::TForm26(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("История"), QSize(400, 300), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
