#include "records/Unit45.h"

TForm45::TForm45(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Концовка"), QSize(500, 400), WindowFrame::NoCloseBox)
{
}
