#include "records/Unit38.h"

TForm38::TForm38(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Титры и полезная информация"), QSize(500, 400), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
