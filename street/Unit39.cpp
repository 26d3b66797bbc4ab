#include "street/Unit39.h"

TForm39::TForm39(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Выберете точку, в котором будете ГОП-СТОПничать"), QSize(500, 400), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
