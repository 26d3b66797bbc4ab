#include "street/Unit27.h"

TForm27::TForm27(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Вы vs Гопник"), QSize(500, 400), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
