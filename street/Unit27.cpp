#include "street/Unit27.h"

TForm27::TForm27(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Вы vs Гопник"), QSize(500, 400), WindowFrame::NoCloseBox)
{
}
