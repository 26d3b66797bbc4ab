#include "street/Unit36.h"

TForm36::TForm36(Forms& forms)
    : TGameWindow(forms, QStringLiteral("GRELN_x's   HALF-LIFE 2"), QSize(640, 480), WindowFrame::NoCloseBox)
{
}
