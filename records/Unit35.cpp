#include "records/Unit35.h"

TForm35::TForm35(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Предмет: "), QSize(560, 420), WindowFrame::NoCloseBox)
{
}
