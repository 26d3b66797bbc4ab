#include "records/Unit45.h"

TForm45::TForm45(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Концовка"), QSize(500, 400), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
