#include "street/Unit31.h"

TForm31::TForm31(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Игра на мобильнике"), QSize(300, 420), WindowFrame::NoCloseBox)
{
}
