#include "town/Unit24.h"

TForm24::TForm24(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Сотовый отдел"), QSize(560, 420), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
