#include "street/Unit39.h"

TForm39::TForm39(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Выберете точку, в котором будете ГОП-СТОПничать"), QSize(500, 400), WindowFrame::NoCloseBox)
{
}
