#include "street/Unit26.h"

TForm26::TForm26(Forms& forms)
    : TGameWindow(forms, QStringLiteral("История"), QSize(400, 300), WindowFrame::NoCloseBox)
{
}
