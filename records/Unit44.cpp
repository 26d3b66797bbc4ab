#include "records/Unit44.h"

TForm44::TForm44(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Выбор экзаменов"), QSize(400, 300), WindowFrame::NoCloseBox)
{
}
