#include "street/Unit26.h"

#include "street/StoryLook.h"

#include <QLabel>
#include <QPushButton>

TForm26::TForm26(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("История"), QSize(560, 440), WindowFrame::NoCloseBox)
{
    const StoryParts parts = BuildStoryWindow(this, QStringLiteral(":/art/thug_story.svg"),
        QStringLiteral(
            "Идете вы как-то вечером по темной улице, а до дома остается совсем чуть-чуть... Вы прибавляете скорости в "
            "надежде скорее вернуться домой и сесть на уютный стульчик, который стоит рядом с приятным компьютером... "
            "=) Вы идете, вы идете, вот уже осталось совсем чуть-чуть... Чуть-чуть... А на улице темно... Вы уже "
            "подходите к своей улице, заворачиваете за угол и... ВИДИТЕ силует какого-то человека, который идет прямо "
            "на вас! \"Все, попал!\", - Думаете вы, - \"Это ж гопник!\". А силует все ближе и ближе и вот он вам "
            "говорит:"));
    Label1 = parts.text;
    Button1 = parts.ok;
    NameControls({ { Label1, "Label1" }, { Button1, "Button1" } });
}
