#include "GameFixture.h"
#include "TestHelpers.h"
#include "town/Unit10.h"
#include "town/Unit11.h"
#include "town/Unit18.h"
#include "town/Unit5.h"

#include <QLabel>
#include <QRegularExpression>

namespace {
const char* const NoMoney = "Вы думаете, у вас денег хватит?";

struct Item {
    const char* button;
    const char* caption; // "Борщ (10 руб. Сытость +18)": the price and what it raises are read from it
    const char* untouched; // the label of the outlet's other value, which the item must leave alone (or null)
};

struct Offer {
    int price;
    int gain;
    Field target;
};

Offer OfferIn(const QString& caption)
{
    static const QRegularExpression pattern(QStringLiteral("\\((\\d+) руб\\. (Сытость|Бодрость) \\+(\\d+)\\)$"));
    const QRegularExpressionMatch match = pattern.match(caption);
    EXPECT_TRUE(match.hasMatch()) << caption.toStdString();
    return { match.captured(1).toInt(), match.captured(3).toInt(),
        match.captured(2) == QStringLiteral("Бодрость") ? Field::Vigor : Field::Satiety };
}

class FoodOutlets : public GameFixture {
protected:
    QString shown(const QObject& window, const char* label) { return Child<QLabel>(window, label)->text(); }

    // Every item at its boundary: money equal to the price buys it and leaves 0, then 0 money is refused.
    void checkItems(TPlaceWindow& w, const std::vector<Item>& items)
    {
        for (const Item& item : items) {
            SCOPED_TRACE(item.caption);
            QPushButton* button = Child<QPushButton>(w, item.button);
            EXPECT_EQ(button->text(), QString::fromUtf8(item.caption));
            const Offer offer = OfferIn(button->text());
            const char* target = offer.target == Field::Vigor ? "vigorLabel" : "satietyLabel";
            const Field other = offer.target == Field::Vigor ? Field::Satiety : Field::Vigor;
            given({ { Field::Money, QString::number(offer.price) }, { offer.target, "10" }, { other, "42" } });
            w.TakeCopies(state.values());
            click(button);
            EXPECT_EQ(shown(w, "moneyLabel"), "0");
            EXPECT_EQ(shown(w, target), QString::number(10 + offer.gain));
            if (item.untouched) {
                EXPECT_EQ(shown(w, item.untouched), "42");
            }
            EXPECT_TRUE(ui.messages.isEmpty());

            click(button);
            EXPECT_EQ(w.Copies().text(Field::Money), "0");
            EXPECT_EQ(w.Copies().text(offer.target), QString::number(10 + offer.gain));
            EXPECT_EQ(ui.messages, QStringList { NoMoney });
            ui.messages.clear();
        }
    }
};
}

TEST_F(FoodOutlets, CanteenItemsCostAndFeedWhatTheirCaptionsSay)
{
    TForm10& w = forms->form10();
    EXPECT_EQ(w.windowTitle(), "Школьная столовка");
    EXPECT_EQ(Child<QLabel>(w, "Label1")->text(), "Что хотели?");
    EXPECT_TRUE(Child<QLabel>(w, "Label1")->font().bold());
    EXPECT_EQ(Child<QPushButton>(w, "Button6")->text(), "Ничего");
    EXPECT_TRUE(Child<QPushButton>(w, "Button6")->font().bold());
    checkItems(w,
        {
            { "Button1", "Булочку с изюмом (3 руб. Сытость +5)", nullptr },
            { "Button7", "Булочку с маком (4 руб. Сытость +7)", nullptr },
            { "Button2", "Булочку с павидлом (5 руб. Сытость +8)", nullptr },
            { "Button5", "Вон ту симпатичную пиццу! (7 руб. Сытость +13)", nullptr },
            { "Button8", "Борщ (10 руб. Сытость +18)", nullptr },
            { "Button9", "Манная каша (20 руб. Сытость +40)", nullptr },
            { "Button10", "Картофельное пюре (25 руб. Сытость +50)", nullptr },
            { "Button3", "Компот (2 руб. Сытость +3)", nullptr },
            { "Button4", "Чай (1 руб. Сытость +2)", nullptr },
        });
}

TEST_F(FoodOutlets, FoodDepartmentItemsCostAndFeedWhatTheirCaptionsSay)
{
    TForm11& w = forms->form11();
    EXPECT_EQ(w.windowTitle(), "Продуктовый отдел");
    EXPECT_EQ(Child<QLabel>(w, "Label1")->text(), "Что-то хотели?");
    EXPECT_EQ(Child<QPushButton>(w, "Button5")->text(), "Выйти из этого отдела");
    checkItems(w,
        {
            { "Button1", "Хлеб, белый (5 руб. Сытость +10)", nullptr },
            { "Button2", "Батон \"Подмосковный\" (6 руб. Сытость +7)", nullptr },
            { "Button3", "Газировка \"ЮСИЛ\" (8 руб. Сытость +8)", nullptr },
            { "Button4", "Минералка (9 руб. Сытость +10)", nullptr },
        });
}

TEST_F(FoodOutlets, CafeItemsCostAndFeedWhatTheirCaptionsSayAndCoffeeOnlyWakesUp)
{
    TForm18& w = forms->form18();
    EXPECT_EQ(w.windowTitle(), "Кафе \"Солнышко\"");
    EXPECT_EQ(
        Child<QLabel>(w, "Label1")->text(), "Добро пожаловать в кафе \"Солнышко\"! Мы всегда рады нашим клиентам!");
    EXPECT_EQ(Child<QPushButton>(w, "Button1")->text(), "Выйти из кафе");
    checkItems(w,
        {
            { "Button5", "Купить чипсы (5 руб. Сытость +3)", "vigorLabel" },
            { "Button3", "Купить мини-пиццу (10 руб. Сытость +10)", "vigorLabel" },
            { "Button4", "Купить кока-колу (12 руб. Сытость +13)", "vigorLabel" },
            { "Button6", "Купить чашку кофе (3 руб. Бодрость +20)", "satietyLabel" },
        });
}

TEST_F(FoodOutlets, BeerIsRefusedWhateverTheMoney)
{
    TForm18& w = forms->form18();
    QPushButton* beer = Child<QPushButton>(w, "Button2");
    EXPECT_EQ(beer->text(), "Купить пиво \"Старый мельник\" (15 руб. Настроение +100)");
    for (const char* money : { "0", "15", "1000" }) {
        given({ { Field::Money, money }, { Field::Satiety, "50" }, { Field::Vigor, "50" } });
        w.TakeCopies(state.values());
        click(beer);
        EXPECT_EQ(w.Copies(), state.values());
    }
    EXPECT_EQ(ui.messages, QStringList(3, "Угу, так вам и дали! Несовершеннолетний вы наш! =)"));
}

TEST_F(FoodOutlets, NonNumericCopyStopsThePurchaseWithTheConversionMessage)
{
    TForm10& w = forms->form10();
    const std::pair<const char*, const char*> cases[] = { { "сто", "50" }, { "10", "полный" }, { "", "50" } };
    ui.expectErrorBoxes(3);
    for (auto [money, satiety] : cases) {
        given({ { Field::Money, money }, { Field::Satiety, satiety } });
        w.TakeCopies(state.values());
        click(Child<QPushButton>(w, "Button1"));
        EXPECT_EQ(w.Copies(), state.values());
        EXPECT_EQ(Child<QLabel>(w, "moneyLabel")->text(), money);
        EXPECT_EQ(Child<QLabel>(w, "satietyLabel")->text(), satiety);
    }
    EXPECT_EQ(ui.errors,
        (QStringList { "'сто' is not a valid integer value", "'полный' is not a valid integer value",
            "'' is not a valid integer value" }));
}

TEST_F(FoodOutlets, ValueAboveHundredStaysUntilAPurchaseRaisesIt)
{
    given({ { Field::Money, "20" }, { Field::Satiety, "150" }, { Field::Vigor, "130" } });
    ui.onModal<TForm18>([&](TForm18& cafe) {
        EXPECT_EQ(Child<QLabel>(cafe, "satietyLabel")->text(), "150");
        click(Child<QPushButton>(cafe, "Button6")); // coffee: vigor 130 + 20 is cut to 100, satiety untouched
        EXPECT_EQ(Child<QLabel>(cafe, "satietyLabel")->text(), "150");
        EXPECT_EQ(Child<QLabel>(cafe, "vigorLabel")->text(), "100");
        click(Child<QPushButton>(cafe, "Button1"));
        EXPECT_FALSE(cafe.isVisible());
    });
    click(Child<QPushButton>(forms->form5(), "Button11"));
    EXPECT_EQ(state.text(Field::Money), "17");
    EXPECT_EQ(state.text(Field::Satiety), "150");
    EXPECT_EQ(state.text(Field::Vigor), "100");

    ui.onModal<TForm18>([&](TForm18& cafe) {
        click(Child<QPushButton>(cafe, "Button5")); // crisps: 150 + 3 is cut to 100
        click(Child<QPushButton>(cafe, "Button1"));
    });
    click(Child<QPushButton>(forms->form5(), "Button11"));
    EXPECT_EQ(state.text(Field::Money), "12");
    EXPECT_EQ(state.text(Field::Satiety), "100");
}
