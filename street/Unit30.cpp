#include "street/Unit30.h"

TForm30::TForm30(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Мобильник"), QSize(300, 420), WindowFrame::NoCloseBox)
{
}
