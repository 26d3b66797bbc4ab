#include "street/Unit22.h"

TForm22::TForm22(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Это любовь..."), QSize(400, 300), WindowFrame::NoCloseBox)
{
}
