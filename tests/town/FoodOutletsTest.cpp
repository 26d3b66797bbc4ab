#include "GameFixture.h"
#include "TestHelpers.h"
#include "town/Unit10.h"
#include "town/Unit11.h"
#include "town/Unit18.h"
#include "town/Unit5.h"

#include <QLabel>

namespace {
const char* const NoMoney = "Вы думаете, у вас денег хватит?";

struct Item {
    QPushButton* button;
    const char* caption;
    int price;
    int gain;
    QLabel* target;
    QLabel* untouched; // the other value of the outlet, which the item must leave alone (or null)
};

using FoodOutlets = GameFixture;

// Every item at its boundary: money equal to the price buys it and leaves 0, then 0 money is refused.
void checkItems(ScriptedUi& ui, QLabel* money, const std::vector<Item>& items)
{
    for (const Item& item : items) {
        SCOPED_TRACE(item.caption);
        EXPECT_EQ(item.button->text(), QString::fromUtf8(item.caption));
        money->setText(QString::number(item.price));
        item.target->setText("10");
        if (item.untouched)
            item.untouched->setText("42");
        click(item.button);
        EXPECT_EQ(money->text(), "0");
        EXPECT_EQ(item.target->text(), QString::number(10 + item.gain));
        if (item.untouched) {
            EXPECT_EQ(item.untouched->text(), "42");
        }
        EXPECT_TRUE(ui.messages.isEmpty());

        click(item.button);
        EXPECT_EQ(money->text(), "0");
        EXPECT_EQ(item.target->text(), QString::number(10 + item.gain));
        EXPECT_EQ(ui.messages, QStringList { NoMoney });
        ui.messages.clear();
    }
}
}

TEST_F(FoodOutlets, CanteenItemsCostAndFeedWhatTheirCaptionsSay)
{
    TForm10& w = forms->form10();
    EXPECT_EQ(w.windowTitle(), "Школьная столовка");
    EXPECT_EQ(w.Label1->text(), "Что хотели?");
    EXPECT_TRUE(w.Label1->font().bold());
    EXPECT_EQ(w.Button6->text(), "Ничего");
    EXPECT_TRUE(w.Button6->font().bold());
    QLabel* s = w.satietyLabel;
    checkItems(ui, w.moneyLabel,
        {
            { w.Button1, "Булочку с изюмом (3 руб. Сытость +5)", 3, 5, s, nullptr },
            { w.Button7, "Булочку с маком (4 руб. Сытость +7)", 4, 7, s, nullptr },
            { w.Button2, "Булочку с павидлом (5 руб. Сытость +8)", 5, 8, s, nullptr },
            { w.Button5, "Вон ту симпатичную пиццу! (7 руб. Сытость +13)", 7, 13, s, nullptr },
            { w.Button8, "Борщ (10 руб. Сытость +18)", 10, 18, s, nullptr },
            { w.Button9, "Манная каша (20 руб. Сытость +40)", 20, 40, s, nullptr },
            { w.Button10, "Картофельное пюре (25 руб. Сытость +50)", 25, 50, s, nullptr },
            { w.Button3, "Компот (2 руб. Сытость +3)", 2, 3, s, nullptr },
            { w.Button4, "Чай (1 руб. Сытость +2)", 1, 2, s, nullptr },
        });
}

TEST_F(FoodOutlets, FoodDepartmentItemsCostAndFeedWhatTheirCaptionsSay)
{
    TForm11& w = forms->form11();
    EXPECT_EQ(w.windowTitle(), "Продуктовый отдел");
    EXPECT_EQ(w.Label1->text(), "Что-то хотели?");
    EXPECT_EQ(w.Button5->text(), "Выйти из этого отдела");
    QLabel* s = w.satietyLabel;
    checkItems(ui, w.moneyLabel,
        {
            { w.Button1, "Хлеб, белый (5 руб. Сытость +10)", 5, 10, s, nullptr },
            { w.Button2, "Батон \"Подмосковный\" (6 руб. Сытость +7)", 6, 7, s, nullptr },
            { w.Button3, "Газировка \"ЮСИЛ\" (8 руб. Сытость +8)", 8, 8, s, nullptr },
            { w.Button4, "Минералка (9 руб. Сытость +10)", 9, 10, s, nullptr },
        });
}

TEST_F(FoodOutlets, CafeItemsCostAndFeedWhatTheirCaptionsSayAndCoffeeOnlyWakesUp)
{
    TForm18& w = forms->form18();
    EXPECT_EQ(w.windowTitle(), "Кафе \"Солнышко\"");
    EXPECT_EQ(w.Label1->text(), "Добро пожаловать в кафе \"Солнышко\"! Мы всегда рады нашим клиентам!");
    EXPECT_EQ(w.Button1->text(), "Выйти из кафе");
    checkItems(ui, w.moneyLabel,
        {
            { w.Button5, "Купить чипсы (5 руб. Сытость +3)", 5, 3, w.satietyLabel, w.vigorLabel },
            { w.Button3, "Купить мини-пиццу (10 руб. Сытость +10)", 10, 10, w.satietyLabel, w.vigorLabel },
            { w.Button4, "Купить кока-колу (12 руб. Сытость +13)", 12, 13, w.satietyLabel, w.vigorLabel },
            { w.Button6, "Купить чашку кофе (3 руб. Бодрость +20)", 3, 20, w.vigorLabel, w.satietyLabel },
        });
}

TEST_F(FoodOutlets, BeerIsRefusedWhateverTheMoney)
{
    TForm18& w = forms->form18();
    EXPECT_EQ(w.Button2->text(), "Купить пиво \"Старый мельник\" (15 руб. Настроение +100)");
    for (const char* money : { "0", "15", "1000" }) {
        w.moneyLabel->setText(money);
        w.satietyLabel->setText("50");
        w.vigorLabel->setText("50");
        click(w.Button2);
        EXPECT_EQ(w.moneyLabel->text(), money);
        EXPECT_EQ(w.satietyLabel->text(), "50");
        EXPECT_EQ(w.vigorLabel->text(), "50");
    }
    EXPECT_EQ(ui.messages, QStringList(3, "Угу, так вам и дали! Несовершеннолетний вы наш! =)"));
}

TEST_F(FoodOutlets, NonNumericLabelStopsThePurchaseWithTheConversionMessage)
{
    TForm10& w = forms->form10();
    const std::pair<const char*, const char*> cases[] = { { "сто", "50" }, { "10", "полный" }, { "", "50" } };
    ui.expectErrorBoxes(3);
    for (auto [money, satiety] : cases) {
        w.moneyLabel->setText(money);
        w.satietyLabel->setText(satiety);
        click(w.Button1);
        EXPECT_EQ(w.moneyLabel->text(), money);
        EXPECT_EQ(w.satietyLabel->text(), satiety);
    }
    EXPECT_EQ(ui.errors,
        (QStringList { "'сто' is not a valid integer value", "'полный' is not a valid integer value",
            "'' is not a valid integer value" }));
}

TEST_F(FoodOutlets, ValueAboveHundredStaysUntilAPurchaseRaisesIt)
{
    given({ { Field::Money, "20" }, { Field::Satiety, "150" }, { Field::Vigor, "130" } });
    ui.onModal<TForm18>([&](TForm18& cafe) {
        EXPECT_EQ(cafe.satietyLabel->text(), "150");
        click(cafe.Button6); // coffee: vigor 130 + 20 is cut to 100, satiety untouched
        EXPECT_EQ(cafe.satietyLabel->text(), "150");
        EXPECT_EQ(cafe.vigorLabel->text(), "100");
        click(cafe.Button1);
        EXPECT_FALSE(cafe.isVisible());
    });
    click(forms->form5().Button11);
    EXPECT_EQ(state.text(Field::Money), "17");
    EXPECT_EQ(state.text(Field::Satiety), "150");
    EXPECT_EQ(state.text(Field::Vigor), "100");

    ui.onModal<TForm18>([&](TForm18& cafe) {
        click(cafe.Button5); // crisps: 150 + 3 is cut to 100
        click(cafe.Button1);
    });
    click(forms->form5().Button11);
    EXPECT_EQ(state.text(Field::Money), "12");
    EXPECT_EQ(state.text(Field::Satiety), "100");
}
