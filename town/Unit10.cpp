#include "town/Unit10.h"

TForm10::TForm10(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Школьная столовка"), QSize(420, 300), WindowFrame::NoCloseBox)
{
}
