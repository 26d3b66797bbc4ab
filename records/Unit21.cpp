#include "records/Unit21.h"

TForm21::TForm21(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Чит-коды"), QSize(400, 300), WindowFrame::NoCloseBox)
{
}
