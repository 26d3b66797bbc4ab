#include "street/Unit29.h"

TForm29::TForm29(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Happy End - рукопожатие"), QSize(400, 300), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
