#include "street/Unit42.h"

TForm42::TForm42(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Лох замочен!"), QSize(400, 300), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
