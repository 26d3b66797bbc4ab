#include "street/Unit33.h"

TForm33::TForm33(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Сообщения SMS"), QSize(400, 300), WindowFrame::NoCloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
