#include "street/Unit19.h"

TForm19::TForm19(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Девушки из класса"), QSize(500, 400), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
