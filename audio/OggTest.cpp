#include "audio/OggTest.h"

TForm34::TForm34(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Ogg Player"), QSize(400, 200), WindowFrame::CloseBox)
{
    // Not in the game yet: its openers tell the player so.
    MarkUnderConstruction(*this);
}
