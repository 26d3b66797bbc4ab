#include "street/Unit40.h"

TForm40::TForm40(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("ГОП-СТОП Карауливание"), QSize(400, 300), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
