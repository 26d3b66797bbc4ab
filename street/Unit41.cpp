#include "street/Unit41.h"

TForm41::TForm41(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Разговор с прохожим"), QSize(500, 380), WindowFrame::NoCloseBox)
{
}
