#include "street/Unit29.h"

#include "street/StoryLook.h"

#include <QLabel>
#include <QPushButton>

TForm29::TForm29(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Happy End - рукопожатие"), QSize(480, 340), WindowFrame::NoCloseBox)
{
    const StoryParts parts = BuildStoryWindow(this, QStringLiteral(":/art/handshake.svg"),
        QStringLiteral("Хеппи энд! Поздравляю! Вы \"правильно\" ответили на все вопросы гопника и в итоге вы "
                       "просто-напросто с ним разошлись! Деньги при вас, здоровье на месте. Круто! =)"));
    Label1 = parts.text;
    Button1 = parts.ok;
    NameControls({ { Label1, "Label1" }, { Button1, "Button1" } });
}
