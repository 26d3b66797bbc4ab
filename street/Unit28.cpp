#include "street/Unit28.h"

TForm28::TForm28(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Гопник замочен!"), QSize(400, 300), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
