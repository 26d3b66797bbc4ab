#include "town/Unit18.h"

#include "core/Button.h"
#include "core/Look.h"
#include "core/Ui.h"
#include "town/FoodCounter.h"

#include <QLabel>
#include <QPushButton>

TForm18::TForm18(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Кафе \"Солнышко\""), QSize(660, 320), WindowFrame::NoCloseBox)
{
    moneyLabel = MakeCopyLabel(this);
    satietyLabel = MakeCopyLabel(this);
    vigorLabel = MakeCopyLabel(this);
    Label1 = MakeShopHeading(
        this, QStringLiteral("Добро пожаловать в кафе \"Солнышко\"! Мы всегда рады нашим клиентам!"), 16, true);
    SetTextColor(Label1, Palette::BrickShade);

    Button2 = MakeButton(this, QStringLiteral("Купить пиво \"Старый мельник\" (15 руб. Настроение +100)"), QSize(0, 26),
        this, &TForm18::Button2Click);
    auto item = [this](const char* caption, QLabel* target, int price, int gain) {
        return MakeFoodItem(this, QString::fromUtf8(caption), moneyLabel, target, price, gain);
    };
    Button5 = item("Купить чипсы (5 руб. Сытость +3)", satietyLabel, 5, 3);
    Button3 = item("Купить мини-пиццу (10 руб. Сытость +10)", satietyLabel, 10, 10);
    Button4 = item("Купить кока-колу (12 руб. Сытость +13)", satietyLabel, 12, 13);
    Button6 = item("Купить чашку кофе (3 руб. Бодрость +20)", vigorLabel, 3, 20); // wakes up, does not feed
    Button1 = MakeExitButton(this, QStringLiteral("Выйти из кафе"));

    LayOutCounter(this, QStringLiteral(":/art/cafe.svg"),
        MakeValuePanel(this,
            { { QStringLiteral("Деньги:"), moneyLabel }, { QStringLiteral("Сытость:"), satietyLabel },
                { QStringLiteral("Бодрость:"), vigorLabel } }),
        Label1, { Button2, Button5, Button3, Button4, Button6 }, Button1, ExitPlace::LowerRight);
}

void TForm18::Button2Click() { ui().message(QStringLiteral("Угу, так вам и дали! Несовершеннолетний вы наш! =)")); }
