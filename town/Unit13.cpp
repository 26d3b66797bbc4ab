#include "town/Unit13.h"

TForm13::TForm13(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Разговор с мамой"), QSize(500, 380), WindowFrame::NoCloseBox)
{
}
