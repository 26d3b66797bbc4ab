#include "GameFixture.h"
#include "TestHelpers.h"
#include "town/Unit15.h"
#include "town/Unit16.h"

#include <QLineEdit>

namespace {
class BookDepartment : public GameFixture {
protected:
};
}

TEST_F(BookDepartment, BuyingNeedsFiftyRoublesAndNoBookYet)
{
    struct Case {
        const char* gdz;
        const char* money;
        const char* message;
        const char* moneyAfter;
        const char* gdzAfter;
    };
    const Case cases[] = {
        { "Нет", "50", "Покупка произведена успешно! =)", "0", "Да" },
        { "Нет", "49", "У вас не хватает денег!", "49", "Нет" },
        { "Да", "500", "У вас уже есть одно! Зачем же еще?", "500", "Да" },
        { "", "500", "У вас уже есть одно! Зачем же еще?", "500", "" }, // only the exact "Нет" lets one buy
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.money);
        ui.messages.clear();
        given({ { Field::HasGdz, c.gdz }, { Field::Money, c.money } });
        click(Child<QPushButton>(forms->form15(), "Button1"));
        EXPECT_EQ(ui.messages, QStringList { c.message });
        EXPECT_EQ(state.text(Field::Money), c.moneyAfter);
        EXPECT_EQ(state.text(Field::HasGdz), c.gdzAfter);
    }
}

TEST_F(BookDepartment, StealingIsTriedOnlyWithTheMoneyToPayIfCaught)
{
    struct Case {
        const char* money;
        int draw; // -1: no draw may happen
        QStringList messages;
        const char* moneyAfter;
        const char* authorityAfter;
        const char* gdzAfter;
    };
    const QStringList caught
        = { "Вас поймали за кражей книги!", "Вы тут же сказали, что взяли ее, якобы, чтобы поднести к кассе.",
              "Ничего не поделаешь, пришлось купить!", "Ваш авторитет упал на 10 единиц." };
    const Case cases[] = {
        { "50", 0, { "Круто! У вас получилось! Ваш авторитет повысился на 10 единиц!" }, "50", "15", "Да" },
        { "49", -1, { "А если меня запалят? Придется же ведь купить, а у меня денег таких нету..." }, "49", "5",
            "Нет" },
        { "50", 1, caught, "0", "-5", "Да" },
        { "50", 2, caught, "0", "-5", "Да" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.draw);
        ui.messages.clear();
        given({ { Field::HasGdz, "Нет" }, { Field::Money, c.money }, { Field::Authority, "5" } });
        if (c.draw >= 0)
            random.add(c.draw, 3);
        click(Child<QPushButton>(forms->form15(), "Button2"));
        EXPECT_TRUE(random.usedUp());
        EXPECT_EQ(ui.messages, c.messages);
        EXPECT_EQ(state.text(Field::Money), c.moneyAfter);
        EXPECT_EQ(state.text(Field::Authority), c.authorityAfter);
        EXPECT_EQ(state.text(Field::HasGdz), c.gdzAfter);
    }
    // A caught thief owns the book all the same: no second one.
    ui.messages.clear();
    click(Child<QPushButton>(forms->form15(), "Button2"));
    EXPECT_EQ(ui.messages, QStringList { "У вас итак есть уже ГДЗ! Зачем вам еще одно?" });
    EXPECT_EQ(state.text(Field::Authority), "-5");
}

TEST_F(BookDepartment, AClassmateTakesTheBookBelowFiftyMinusHisDraw)
{
    const QString deal = "ОК, приятель. Цена нормальная, меня устраивает. Бери деньги, давай ГДЗ. Спасибо.";
    const QString tooDear = "Ты что, с крыши упал, что ли? За более дешевую цену я могу этот ГДЗ в любом магазине "
                            "купить!";
    const QString noMoney = "Извини, приятель, денег сейчас у меня таких нет.. =(";
    struct Case {
        const char* price;
        int draw; // -1: the classmate does not draw
        QString message;
        const char* moneyAfter;
        const char* gdzAfter;
        bool closes;
    };
    const Case cases[] = {
        { "0", 19, deal, "10", "Нет", true }, // given away: money unchanged
        { "30", 19, deal, "40", "Нет", true }, // 30 < 50 - 19: always sold
        { "31", 19, noMoney, "10", "Да", true },
        { "49", 0, deal, "59", "Нет", true },
        { "49", 1, noMoney, "10", "Да", true },
        { "50", -1, tooDear, "10", "Да", true },
        { "-5", -1,
            U("Чего? Цена не может быть меньше нуля! Я тебе еще и доплачивать должен? Назови нормальную "
              "цену, от 0 рублей."),
            "10", "Да", false },
        { "сорок", -1, "'сорок' is not a valid integer value", "10", "Да", true },
    };
    TForm16& sale = forms->form16();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.price);
        ui.shown.clear();
        given({ { Field::HasGdz, "Да" }, { Field::Money, "10" } });
        if (c.draw >= 0)
            random.add(c.draw, 20);
        bool number = false;
        QString::fromUtf8(c.price).toInt(&number);
        if (!number)
            ui.expectErrorBoxes(); // the conversion error box
        ui.onModal<TForm16>([&](TForm16& w) {
            Child<QLineEdit>(w, "Edit1")->setText(c.price);
            click(Child<QPushButton>(w, "Button1"));
            EXPECT_EQ(w.isVisible(), !c.closes);
            if (!c.closes)
                click(Child<QPushButton>(w, "Button2"));
        });
        ui.showModal(sale);
        EXPECT_TRUE(random.usedUp());
        EXPECT_EQ(ui.shown, QStringList { c.message });
        EXPECT_EQ(state.text(Field::Money), c.moneyAfter);
        EXPECT_EQ(state.text(Field::HasGdz), c.gdzAfter);
        EXPECT_EQ(Child<QLineEdit>(sale, "Edit1")->text(), c.price); // what was typed waits for the next offer
    }
}
