#include "town/PhoneShop.h"

#include "core/DataPath.h"
#include "core/Errors.h"
#include "core/GameState.h"
#include "core/Picture.h"
#include "core/TextFile.h"
#include "town/TownContent.h"

const std::array<PhoneBrand, 5> PhoneBrands = { {
    { "Motorola", { "Motorola C115", "Motorola C200", "Motorola C350", "Motorola C380", "Motorola C650" } },
    { "Samsung", { "Samsung R200", "Samsung C110", "Samsung C200", "Samsung X100" } },
    { "Siemens", { "Siemens A57", "Siemens A60", "Siemens A62", "Siemens CF62" } },
    { "SonyEricsson", { "SonyEricsson T230", "SonyEricsson T61LX", "SonyEricsson T630" } },
    { "Nokia", { "Nokia 2650", "Nokia 3220" } },
} };

int DealPrice(int price) { return price / 3; }

PhoneModel ReadPhoneModel(const QString& brand, const QString& model, QSize pictureSize)
{
    const QStringList priceLines = ReadLines1251(DataPath(TownContent::PhonePrice.path(brand, model)));
    const QString price = priceLines.isEmpty() ? QString() : priceLines.first();
    const int roubles = StrToInt(price);
    const QImage picture = LoadJpeg(DataPath(TownContent::PhonePicture.path(brand, model)), pictureSize);
    const QStringList description = ReadLines1251(DataPath(TownContent::PhoneDescription.path(brand, model)));
    return { model, price, roubles, DealPrice(roubles), picture, description.join(QLatin1Char('\n')) };
}

QStringList BuyPhone(TGameState& state, const std::optional<PhoneModel>& chosen, PhoneDeal deal)
{
    if (!chosen)
        return { QStringLiteral("Что купить? Вы же даже не выбрали модель телефона!") };
    const int thirdPrice = chosen->dealPrice;
    const int cost = deal == PhoneDeal::MothersDeal ? thirdPrice : chosen->price;
    if (state.number(Field::Money) < cost)
        return { QStringLiteral("У вас не хватает денег на покупку этого мобильника.") };
    state.number(Field::Authority); // a damaged authority stops the purchase before anything changes
    // The gain is a tenth of the deal price, whichever way the phone was paid for.
    const int gain = thirdPrice / 10;

    state.add(Field::Money, -qint64(cost));
    state.setText(Field::MobilePhone, chosen->model);
    state.add(Field::Authority, gain);
    state.setNumber(Field::PhoneCredit, StartingPhoneCredit);
    return {
        deal == PhoneDeal::MothersDeal
            ? QStringLiteral("Новый мобильник успешно куплен! Вы вложили за него 1/3 цены, остальное добавила ваша "
                             "мать. Она также купила SIM-карту фирмы БиЛайн и оформила ее на себя. Все, теперь можно "
                             "пользоваться! =)")
            : QStringLiteral("Новый мобильник успешно куплен! Вы купили его на свои кровные деньги, а ваша мать "
                             "купила SIM-карту фирмы БиЛайн и оформила ее на себя. Все, теперь можно пользоваться! =)"),
        QStringLiteral("Вас счет на SIM-карте равен 500 USC."),
        QStringLiteral("Ваш авторитет увеличился на ") + QString::number(gain),
    };
}

QStringList BuyTopUpCard(TGameState& state)
{
    if (state.number(Field::Money) < TopUpCardPrice)
        return { QStringLiteral("У вас не хватает денег на покупку карты оплаты BeeLine GSM.") };
    state.number(Field::PhoneCredit); // a damaged credit stops the purchase before anything changes
    state.add(Field::Money, -TopUpCardPrice);
    state.add(Field::PhoneCredit, TopUpCardCredit);
    QStringList messages
        = { QStringLiteral("Вы купили карту оплаты BeeLineGSM номиналом в 5 USD (500 USC) за 150 рублей.") };
    if (state.text(Field::MobilePhone) == TextNo)
        messages << QStringLiteral("Только вопрос: Нафиг мне она нужна? У меня и мобильника-то нету!");
    return messages;
}
