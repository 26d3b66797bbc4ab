#include "street/Unit31.h"

TForm31::TForm31(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Игра на мобильнике"), QSize(300, 420), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
