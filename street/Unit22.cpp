#include "street/Unit22.h"

TForm22::TForm22(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Это любовь..."), QSize(400, 300), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
