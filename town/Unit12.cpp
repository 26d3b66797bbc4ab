#include "town/Unit12.h"

TForm12::TForm12(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Моя копилка"), QSize(400, 280), WindowFrame::NoCloseBox)
{
}
