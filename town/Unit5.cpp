#include "town/Unit5.h"

TForm5::TForm5(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Осмотр местности: Вне школы"), QSize(612, 456), WindowFrame::NoCloseBox)
{
}
