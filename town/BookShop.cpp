#include "town/BookShop.h"

#include "core/Errors.h"
#include "core/GameState.h"
#include "core/Random.h"

QStringList BuyGdz(TGameState& state)
{
    if (state.text(Field::HasGdz) != TextNo)
        return { QStringLiteral("У вас уже есть одно! Зачем же еще?") };
    if (state.number(Field::Money) < GdzPrice)
        return { QStringLiteral("У вас не хватает денег!") };
    state.add(Field::Money, -GdzPrice);
    state.setText(Field::HasGdz, TextYes);
    return { QStringLiteral("Покупка произведена успешно! =)") };
}

RuleOutcome StealGdz(TGameState& state)
{
    if (state.text(Field::HasGdz) != TextNo)
        return { { QStringLiteral("У вас итак есть уже ГДЗ! Зачем вам еще одно?") }, {} };
    if (state.number(Field::Money) < GdzPrice)
        return { { QStringLiteral("А если меня запалят? Придется же ведь купить, а у меня денег таких нету...") }, {} };
    state.number(Field::Authority); // a damaged authority stops the theft before the draw
    if (Random(3) == 0) {
        state.add(Field::Authority, GdzTheftAuthority);
        state.setText(Field::HasGdz, TextYes);
        return { { QStringLiteral("Круто! У вас получилось! Ваш авторитет повысился на 10 единиц!") }, {} };
    }
    // Caught at the shelf: the book goes to the till and the player's name round the school.
    return {
        {
            QStringLiteral("Вас поймали за кражей книги!"),
            QStringLiteral("Вы тут же сказали, что взяли ее, якобы, чтобы поднести к кассе."),
            QStringLiteral("Ничего не поделаешь, пришлось купить!"),
            QStringLiteral("Ваш авторитет упал на 10 единиц."),
        },
        [&state] {
            state.add(Field::Money, -GdzPrice);
            state.add(Field::Authority, -GdzTheftAuthority);
            state.setText(Field::HasGdz, TextYes);
        },
    };
}

GdzSale SellGdz(TGameState& state, const QString& priceText)
{
    const int price = StrToInt(priceText);
    if (price < 0)
        return { { QStringLiteral("Чего? Цена не может быть меньше нуля! Я тебе еще и доплачивать должен? "
                                  "Назови нормальную цену, от 0 рублей.") },
            false };
    if (price >= GdzPrice)
        return { { QStringLiteral("Ты что, с крыши упал, что ли? За более дешевую цену я могу этот ГДЗ в любом "
                                  "магазине купить!") } };
    state.number(Field::Money); // a damaged purse stops the sale before the draw
    if (price < GdzPrice - Random(20)) {
        state.add(Field::Money, price);
        state.setText(Field::HasGdz, TextNo);
        return { { QStringLiteral(
            "ОК, приятель. Цена нормальная, меня устраивает. Бери деньги, давай ГДЗ. Спасибо.") } };
    }
    return { { QStringLiteral("Извини, приятель, денег сейчас у меня таких нет.. =(") } };
}
