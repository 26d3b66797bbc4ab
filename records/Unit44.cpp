#include "records/Unit44.h"

TForm44::TForm44(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Выбор экзаменов"), QSize(400, 300), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
