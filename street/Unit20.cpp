#include "street/Unit20.h"

TForm20::TForm20(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Разговор с девушкой"), QSize(560, 420), WindowFrame::NoCloseBox)
{
}
