#include "records/Unit38.h"

TForm38::TForm38(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Титры и полезная информация"), QSize(500, 400), WindowFrame::NoCloseBox)
{
}
