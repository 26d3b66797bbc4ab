#include "street/Unit42.h"

TForm42::TForm42(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Лох замочен!"), QSize(400, 300), WindowFrame::NoCloseBox)
{
}
