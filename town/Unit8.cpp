#include "town/Unit8.h"

TForm8::TForm8(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Игровой Зал"), QSize(476, 307), WindowFrame::NoCloseBox)
{
}
