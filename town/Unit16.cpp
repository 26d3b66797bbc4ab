#include "town/Unit16.h"

TForm16::TForm16(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Продажа ГДЗ"), QSize(681, 329), WindowFrame::NoCloseBox)
{
}
