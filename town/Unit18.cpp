#include "town/Unit18.h"

#include "core/Button.h"
#include "core/Look.h"
#include "core/Ui.h"
#include "town/FoodCounter.h"
#include "town/Purchase.h"

#include <QLabel>
#include <QPushButton>

TForm18::TForm18(GameWindows& windows)
    : TPlaceWindow(windows, QStringLiteral("Кафе \"Солнышко\""), QSize(660, 320), WindowFrame::NoCloseBox)
{
    moneyLabel = MakeCopyLabel(this);
    satietyLabel = MakeCopyLabel(this);
    vigorLabel = MakeCopyLabel(this);
    Label1 = MakeShopHeading(
        this, QStringLiteral("Добро пожаловать в кафе \"Солнышко\"! Мы всегда рады нашим клиентам!"), 16, true);
    SetTextColor(Label1, Palette::BrickShade);

    Button2 = MakeButton(this, QStringLiteral("Купить пиво \"Старый мельник\" (15 руб. Настроение +100)"), QSize(0, 26),
        this, &TForm18::Button2Click);
    auto item = [this](const char* caption, NumberField target, int price, int gain) {
        return MakeFoodItem(this, QString::fromUtf8(caption),
            [this, target, price, gain] { Buy(target, price, gain, NotEnoughMoneyMessage); });
    };
    Button5 = item("Купить чипсы (5 руб. Сытость +3)", Field::Satiety, 5, 3);
    Button3 = item("Купить мини-пиццу (10 руб. Сытость +10)", Field::Satiety, 10, 10);
    Button4 = item("Купить кока-колу (12 руб. Сытость +13)", Field::Satiety, 12, 13);
    Button6 = item("Купить чашку кофе (3 руб. Бодрость +20)", Field::Vigor, 3, 20); // wakes up, does not feed
    Button1 = MakeExitButton(this, QStringLiteral("Выйти из кафе"));
    NameControls({ { Label1, "Label1" }, { moneyLabel, "moneyLabel" }, { satietyLabel, "satietyLabel" },
        { vigorLabel, "vigorLabel" }, { Button2, "Button2" }, { Button5, "Button5" }, { Button3, "Button3" },
        { Button4, "Button4" }, { Button6, "Button6" }, { Button1, "Button1" } });
    ShowCopiesIn({ { Field::Money, moneyLabel }, { Field::Satiety, satietyLabel }, { Field::Vigor, vigorLabel } });

    LayOutCounter(this, QStringLiteral(":/art/cafe.svg"),
        MakeValuePanel(this,
            { { QStringLiteral("Деньги:"), moneyLabel }, { QStringLiteral("Сытость:"), satietyLabel },
                { QStringLiteral("Бодрость:"), vigorLabel } }),
        Label1, { Button2, Button5, Button3, Button4, Button6 }, Button1, ExitPlace::LowerRight);
}

void TForm18::Button2Click() { ui().message(QStringLiteral("Угу, так вам и дали! Несовершеннолетний вы наш! =)")); }
