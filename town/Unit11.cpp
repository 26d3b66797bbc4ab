#include "town/Unit11.h"

TForm11::TForm11(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Продуктовый отдел"), QSize(420, 300), WindowFrame::NoCloseBox)
{
}
