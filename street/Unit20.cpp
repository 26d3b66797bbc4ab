#include "street/Unit20.h"

TForm20::TForm20(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Разговор с девушкой"), QSize(560, 420), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
