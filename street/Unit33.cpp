#include "street/Unit33.h"

TForm33::TForm33(Forms& forms)
    : TGameWindow(forms, QStringLiteral("Сообщения SMS"), QSize(400, 300), WindowFrame::NoCloseBox)
{
}
