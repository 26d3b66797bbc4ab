#include "street/Unit40.h"

TForm40::TForm40(Forms& forms)
    : TGameWindow(forms, QStringLiteral("ГОП-СТОП Карауливание"), QSize(400, 300), WindowFrame::NoCloseBox)
{
}
