#include "street/Unit25.h"

TForm25::TForm25(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Гопник!"), QSize(500, 380), WindowFrame::NoCloseBox)
{
}
