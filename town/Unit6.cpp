#include "town/Unit6.h"

TForm6::TForm6(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Осмотр местности: В школе"), QSize(549, 397), WindowFrame::NoCloseBox)
{
}
