#include "town/Unit9.h"

TForm9::TForm9(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Клуб Каратист"), QSize(356, 436), WindowFrame::NoCloseBox)
{
}
