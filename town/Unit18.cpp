#include "town/Unit18.h"

TForm18::TForm18(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Кафе \"Солнышко\""), QSize(460, 320), WindowFrame::NoCloseBox)
{
}
