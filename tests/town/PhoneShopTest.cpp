#include "town/PhoneShop.h"
#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/Errors.h"
#include "core/TextFile.h"
#include "town/Unit24.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace {
class PhoneShop : public GameFixture {
protected:
    PhoneShop() { useWorkingDirectory(); }

    // A catalogue entry of our own under the working directory; a null text leaves that file out.
    void catalogue(const QString& brand, const QString& model, const char* price, bool picture = true,
        const char* description = "Надежный телефон.")
    {
        const QString folder = QStringLiteral("Data/Mobiles/%1/%2/").arg(brand, model);
        QDir().mkpath(folder);
        if (price)
            WriteBytes(folder + "Price.txt", Encode1251(U(price)) + "\r\n");
        if (picture) {
            QImage tall(50, 100, QImage::Format_RGB32);
            tall.fill(Qt::gray);
            ASSERT_TRUE(tall.save(folder + "Icon.jpg", "JPEG"));
        }
        if (description)
            WriteBytes(folder + "Description.txt", Encode1251(U(description)) + "\r\n");
    }

    TForm24& shop() { return forms->form24(); }
    QPushButton* button(const char* name) { return Child<QPushButton>(shop(), name); }
    QLabel* label(const char* name) { return Child<QLabel>(shop(), name); }
    QStringList panel()
    {
        return { label("modelLabel")->text(), label("priceLabel")->text(), label("dealPriceLabel")->text(),
            Child<QPlainTextEdit>(shop(), "Memo1")->toPlainText() };
    }
};

const QString BoughtOwnMoney = "Новый мобильник успешно куплен! Вы купили его на свои кровные деньги, а ваша мать "
                               "купила SIM-карту фирмы БиЛайн и оформила ее на себя. Все, теперь можно "
                               "пользоваться! =)";
const QString BoughtOnDeal = "Новый мобильник успешно куплен! Вы вложили за него 1/3 цены, остальное добавила ваша "
                             "мать. Она также купила SIM-карту фирмы БиЛайн и оформила ее на себя. Все, теперь можно "
                             "пользоваться! =)";
const QString Credit500 = "Вас счет на SIM-карте равен 500 USC.";
const QString CardBought = "Вы купили карту оплаты BeeLineGSM номиналом в 5 USD (500 USC) за 150 рублей.";
const QString CardWithoutPhone = "Только вопрос: Нафиг мне она нужна? У меня и мобильника-то нету!";
}

TEST_F(PhoneShop, EitherPurchaseChargesItsPriceAndGivesATenthOfTheDealPrice)
{
    catalogue("Motorola", "Motorola C115", "299");
    struct Case {
        QPushButton* button;
        const char* money;
        QStringList messages;
        const char* moneyAfter;
        const char* phoneAfter;
        const char* authorityAfter;
    };
    const QString notEnough = "У вас не хватает денег на покупку этого мобильника.";
    const Case cases[] = {
        { button("Button2"), "299", { BoughtOwnMoney, Credit500, "Ваш авторитет увеличился на 9" }, "0",
            "Motorola C115", "12" },
        { button("Button2"), "298", { notEnough }, "298", "Нет", "3" },
        { button("Button1"), "99", { BoughtOnDeal, Credit500, "Ваш авторитет увеличился на 9" }, "0", "Motorola C115",
            "12" },
        { button("Button1"), "98", { notEnough }, "98", "Нет", "3" },
    };
    given({ { Field::MotherPhoneDeal, "1" } });
    shop().ChooseModel("Motorola", "Motorola C115");
    EXPECT_EQ(panel(), (QStringList { "Motorola C115", "299", "99", "Надежный телефон." }));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button->text().toStdString() + " " + c.money);
        ui.messages.clear();
        given({ { Field::Money, c.money }, { Field::MobilePhone, "Нет" }, { Field::Authority, "3" },
            { Field::PhoneCredit, "740" } });
        click(c.button);
        EXPECT_EQ(ui.messages, c.messages);
        EXPECT_EQ(state.text(Field::Money), c.moneyAfter);
        EXPECT_EQ(state.text(Field::MobilePhone), c.phoneAfter);
        EXPECT_EQ(state.text(Field::Authority), c.authorityAfter);
        EXPECT_EQ(state.text(Field::PhoneCredit), c.messages.size() > 1 ? "500" : "740");
    }
    EXPECT_EQ(state.text(Field::MotherPhoneDeal), "1"); // the deal is not used up
}

TEST_F(PhoneShop, NothingIsBoughtBeforeAModelIsChosen)
{
    given({ { Field::Money, "100000" }, { Field::MotherPhoneDeal, "1" } });
    click(button("Button2"));
    click(button("Button1"));
    EXPECT_EQ(ui.messages, QStringList(2, "Что купить? Вы же даже не выбрали модель телефона!"));
    EXPECT_EQ(state.text(Field::Money), "100000");
    EXPECT_EQ(state.text(Field::MobilePhone), "Нет");
}

TEST_F(PhoneShop, TopUpCardAddsFiveHundredAndAPhoneResetsTheCredit)
{
    catalogue("Nokia", "Nokia 2650", "300");
    given({ { Field::Money, "1000" }, { Field::MobilePhone, "Нет" }, { Field::PhoneCredit, "0" } });
    click(button("Button3"));
    EXPECT_EQ(ui.messages, (QStringList { CardBought, CardWithoutPhone }));
    EXPECT_EQ(state.text(Field::PhoneCredit), "500");
    EXPECT_EQ(state.text(Field::Money), "850");

    // The card's units are lost to the new phone's 500.
    click(button("Button3"));
    EXPECT_EQ(state.text(Field::PhoneCredit), "1000");
    shop().ChooseModel("Nokia", "Nokia 2650");
    click(button("Button2"));
    EXPECT_EQ(state.text(Field::PhoneCredit), "500");

    ui.messages.clear();
    click(button("Button3"));
    EXPECT_EQ(ui.messages, QStringList { CardBought });
    EXPECT_EQ(state.text(Field::PhoneCredit), "1000");

    ui.messages.clear();
    given({ { Field::Money, "149" } });
    click(button("Button3"));
    EXPECT_EQ(ui.messages, QStringList { "У вас не хватает денег на покупку карты оплаты BeeLine GSM." });
    EXPECT_EQ(state.text(Field::PhoneCredit), "1000");
}

TEST_F(PhoneShop, DealControlsFollowTheMothersDealWheneverItChanges)
{
    auto shown = [&] {
        const bool deal = button("Button1")->isVisibleTo(&shop());
        EXPECT_EQ(label("dealCaption")->isVisibleTo(&shop()), deal);
        EXPECT_EQ(label("dealPriceLabel")->isVisibleTo(&shop()), deal);
        return deal;
    };
    EXPECT_FALSE(shown()); // a game starts without the deal
    const std::pair<const char*, bool> cases[]
        = { { "1", true }, { "0", false }, { "1", true }, { "1 ", false }, { "", false }, { "1", true } };
    for (auto [deal, visible] : cases) {
        given({ { Field::MotherPhoneDeal, deal } });
        EXPECT_EQ(shown(), visible) << deal;
    }
    ResetForNewGame(state);
    EXPECT_FALSE(shown());

    // While the shop is open, too.
    ui.onModal<TForm24>([&](TForm24& w) {
        EXPECT_FALSE(Child<QPushButton>(w, "Button1")->isVisible());
        given({ { Field::MotherPhoneDeal, "1" } });
        EXPECT_TRUE(Child<QPushButton>(w, "Button1")->isVisible());
        EXPECT_TRUE(Child<QLabel>(w, "dealPriceLabel")->isVisible());
        click(Child<QPushButton>(w, "Button4"));
    });
    EXPECT_EQ(ui.showModal(shop()), ModalResult::Ok);
}

TEST_F(PhoneShop, AFailedChoiceLeavesThePreviousModelWhole)
{
    catalogue("Siemens", "Siemens A57", "1200", true, "Первый.");
    catalogue("Siemens", "Siemens A60", "дорого");
    catalogue("Siemens", "Siemens A62", "2000", false);
    catalogue("Siemens", "Siemens CF62", nullptr);
    catalogue("Samsung", "Samsung R200", "900", true, nullptr);
    catalogue("Samsung", "Samsung X100", "3000", false);
    WriteBytes("Data/Mobiles/Samsung/Samsung X100/Icon.jpg", "not a picture");
    catalogue("Nokia", "Nokia 3220", "");

    shop().ChooseModel("Siemens", "Siemens A57");
    const QStringList first = { "Siemens A57", "1200", "400", "Первый." };
    ASSERT_EQ(panel(), first);
    const QImage picture = label("Image1")->pixmap().toImage();
    // Fitted into 101 x 101 keeping its proportions: the tall picture is half as wide as it is high.
    EXPECT_EQ(picture.height(), 101);
    EXPECT_EQ(picture.width(), 50);

    const std::pair<const char*, const char*> failures[] = { { "Siemens", "Siemens A60" }, { "Siemens", "Siemens A62" },
        { "Siemens", "Siemens CF62" }, { "Samsung", "Samsung R200" }, { "Samsung", "Samsung X100" },
        { "Nokia", "Nokia 3220" }, { "Motorola", "Motorola C115" } };
    for (auto [brand, model] : failures) {
        SCOPED_TRACE(model);
        ui.errors.clear();
        ui.expectErrorBoxes();
        for (QPushButton* made : Child<QTabWidget>(shop(), "PageControl1")->findChildren<QPushButton*>()) {
            if (made->text() == model)
                click(made);
        }
        EXPECT_EQ(ui.errors.size(), 1);
        if (QString(model) == "Siemens A60") {
            EXPECT_EQ(ui.errors.value(0), "'дорого' is not a valid integer value");
        }
        EXPECT_EQ(panel(), first);
        EXPECT_EQ(label("Image1")->pixmap().toImage(), picture);
    }
}

TEST_F(PhoneShop, EveryModelButtonFindsItsShippedCatalogueEntry)
{
    QDir::setCurrent(TRAMBUL_SOURCE_DIR);
    QTabWidget* tabs = Child<QTabWidget>(shop(), "PageControl1");
    int models = 0;
    for (int tab = 0; tab < tabs->count(); ++tab) {
        for (QPushButton* model : tabs->widget(tab)->findChildren<QPushButton*>()) {
            SCOPED_TRACE(model->text().toStdString());
            ++models;
            tabs->setCurrentIndex(tab);
            click(model);
            EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join("; ").toStdString();
            ui.errors.clear();
            EXPECT_EQ(label("modelLabel")->text(), model->text());
            EXPECT_TRUE(model->text().startsWith(tabs->tabText(tab))); // the brand is in the path twice
            EXPECT_TRUE(IsInteger(label("priceLabel")->text()));
            EXPECT_GT(StrToInt(label("priceLabel")->text()), 0);
            EXPECT_FALSE(label("Image1")->pixmap().isNull());
            EXPECT_FALSE(Child<QPlainTextEdit>(shop(), "Memo1")->toPlainText().trimmed().isEmpty());
        }
    }
    EXPECT_EQ(models, 18);
}
