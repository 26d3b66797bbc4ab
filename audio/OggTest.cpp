#include "audio/OggTest.h"

TForm34::TForm34(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Ogg Player"), QSize(400, 200), WindowFrame::CloseBox)
{
}
