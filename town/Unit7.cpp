#include "town/Unit7.h"

TForm7::TForm7(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Супермаркет"), QSize(512, 383), WindowFrame::NoCloseBox)
{
}
