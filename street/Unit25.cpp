#include "street/Unit25.h"

TForm25::TForm25(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Гопник!"), QSize(500, 380), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
