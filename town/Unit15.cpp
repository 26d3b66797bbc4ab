#include "town/Unit15.h"

TForm15::TForm15(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Книжный отдел"), QSize(395, 459), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
