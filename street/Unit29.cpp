#include "street/Unit29.h"

TForm29::TForm29(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Happy End - рукопожатие"), QSize(400, 300), WindowFrame::NoCloseBox)
{
}
