#include "street/Unit19.h"

TForm19::TForm19(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Девушки из класса"), QSize(500, 400), WindowFrame::NoCloseBox)
{
}
