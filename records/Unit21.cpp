#include "records/Unit21.h"

TForm21::TForm21(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Чит-коды"), QSize(400, 300), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
