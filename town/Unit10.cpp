#include "town/Unit10.h"

#include "town/FoodCounter.h"
#include "town/Purchase.h"

#include <QLabel>
#include <QPushButton>

TForm10::TForm10(GameWindows& windows)
    : TPlaceWindow(windows, QStringLiteral("Школьная столовка"), QSize(560, 360), WindowFrame::NoCloseBox)
{
    moneyLabel = MakeCopyLabel(this);
    satietyLabel = MakeCopyLabel(this);
    Label1 = MakeShopHeading(this, QStringLiteral("Что хотели?"), 18, true);

    // Each caption names the price and the gain the purchase uses.
    auto item = [this](const char* caption, int price, int gain) {
        return MakeFoodItem(this, QString::fromUtf8(caption),
            [this, price, gain] { Buy(Field::Satiety, price, gain, NotEnoughMoneyMessage); });
    };
    Button1 = item("Булочку с изюмом (3 руб. Сытость +5)", 3, 5);
    Button7 = item("Булочку с маком (4 руб. Сытость +7)", 4, 7);
    Button2 = item("Булочку с павидлом (5 руб. Сытость +8)", 5, 8);
    Button5 = item("Вон ту симпатичную пиццу! (7 руб. Сытость +13)", 7, 13);
    Button8 = item("Борщ (10 руб. Сытость +18)", 10, 18);
    Button9 = item("Манная каша (20 руб. Сытость +40)", 20, 40);
    Button10 = item("Картофельное пюре (25 руб. Сытость +50)", 25, 50);
    Button3 = item("Компот (2 руб. Сытость +3)", 2, 3);
    Button4 = item("Чай (1 руб. Сытость +2)", 1, 2);
    Button6 = MakeExitButton(this, QStringLiteral("Ничего"), true);
    NameControls({ { Label1, "Label1" }, { moneyLabel, "moneyLabel" }, { satietyLabel, "satietyLabel" },
        { Button1, "Button1" }, { Button7, "Button7" }, { Button2, "Button2" }, { Button5, "Button5" },
        { Button8, "Button8" }, { Button9, "Button9" }, { Button10, "Button10" }, { Button3, "Button3" },
        { Button4, "Button4" }, { Button6, "Button6" } });
    ShowCopiesIn({ { Field::Money, moneyLabel }, { Field::Satiety, satietyLabel } });

    LayOutCounter(this, QStringLiteral(":/art/canteen.svg"),
        MakeValuePanel(
            this, { { QStringLiteral("Деньги:"), moneyLabel }, { QStringLiteral("Сытость:"), satietyLabel } }),
        Label1, { Button1, Button7, Button2, Button5, Button8, Button9, Button10, Button3, Button4 }, Button6,
        ExitPlace::BelowItems);
}
