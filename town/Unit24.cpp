#include "town/Unit24.h"

TForm24::TForm24(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Сотовый отдел"), QSize(560, 420), WindowFrame::NoCloseBox)
{
}
