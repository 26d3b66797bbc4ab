#include "street/Unit23.h"

TForm23::TForm23(Forms& forms)
    : TGameWindow(forms, QStringLiteral("--- СМЕРТЬ! ---"), QSize(400, 300), WindowFrame::NoCloseBox)
{
}
