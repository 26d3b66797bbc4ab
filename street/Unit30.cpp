#include "street/Unit30.h"

TForm30::TForm30(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Мобильник"), QSize(300, 420), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
