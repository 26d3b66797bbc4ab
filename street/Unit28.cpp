#include "street/Unit28.h"

TForm28::TForm28(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Гопник замочен!"), QSize(400, 300), WindowFrame::NoCloseBox)
{
}
