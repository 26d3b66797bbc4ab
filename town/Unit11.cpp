#include "town/Unit11.h"

#include "town/FoodCounter.h"
#include "town/Purchase.h"

#include <QLabel>
#include <QPushButton>

TForm11::TForm11(GameWindows& windows)
    : TPlaceWindow(windows, QStringLiteral("Продуктовый отдел"), QSize(560, 236), WindowFrame::NoCloseBox)
{
    moneyLabel = MakeCopyLabel(this);
    satietyLabel = MakeCopyLabel(this);
    Label1 = MakeShopHeading(this, QStringLiteral("Что-то хотели?"), 18, false);

    auto item = [this](const char* caption, int price, int gain) {
        return MakeFoodItem(this, QString::fromUtf8(caption),
            [this, price, gain] { Buy(Field::Satiety, price, gain, NotEnoughMoneyMessage); });
    };
    Button1 = item("Хлеб, белый (5 руб. Сытость +10)", 5, 10);
    Button2 = item("Батон \"Подмосковный\" (6 руб. Сытость +7)", 6, 7);
    Button3 = item("Газировка \"ЮСИЛ\" (8 руб. Сытость +8)", 8, 8);
    Button4 = item("Минералка (9 руб. Сытость +10)", 9, 10);
    Button5 = MakeExitButton(this, QStringLiteral("Выйти из этого отдела"));
    NameControls(
        { { Label1, "Label1" }, { moneyLabel, "moneyLabel" }, { satietyLabel, "satietyLabel" }, { Button1, "Button1" },
            { Button2, "Button2" }, { Button3, "Button3" }, { Button4, "Button4" }, { Button5, "Button5" } });
    ShowCopiesIn({ { Field::Money, moneyLabel }, { Field::Satiety, satietyLabel } });

    LayOutCounter(this, QStringLiteral(":/art/food_department.svg"),
        MakeValuePanel(
            this, { { QStringLiteral("Деньги:"), moneyLabel }, { QStringLiteral("Сытость:"), satietyLabel } }),
        Label1, { Button1, Button2, Button3, Button4 }, Button5, ExitPlace::BelowItems);
}
