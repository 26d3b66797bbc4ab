#include "town/Unit14.h"

TForm14::TForm14(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Мамка"), QSize(400, 279), WindowFrame::NoCloseBox)
{
}
