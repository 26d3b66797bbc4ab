#include "town/Unit15.h"

TForm15::TForm15(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Книжный отдел"), QSize(395, 459), WindowFrame::NoCloseBox)
{
}
