#include "town/Unit17.h"

TForm17::TForm17(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Центр Занятости Молодежи"), QSize(560, 420), WindowFrame::CloseBox)
{
}
