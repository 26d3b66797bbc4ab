#include "street/Unit41.h"

TForm41::TForm41(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Разговор с прохожим"), QSize(500, 380), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
