#include "street/StreetRules.h"

#include "core/GameState.h"
#include "core/Random.h"

int MoneyAfterHandingOver(int money)
{
    // money / 100 * 5 exactly, as whole hundredths: quotient and remainder of money * 5 by 100, rounded half to even.
    const qint64 scaled = qint64(money) * 5;
    qint64 whole = scaled / 100;
    qint64 rest = scaled % 100;
    if (rest < 0) {
        rest += 100;
        --whole;
    }
    if (rest > 50 || (rest == 50 && whole % 2 != 0))
        ++whole;
    return int(whole);
}

RuleOutcome HandOverToThug(TGameState& state)
{
    const int left = MoneyAfterHandingOver(state.number(Field::Money));
    return { { QStringLiteral("Вы отдали гопнику 95% всех ваших денег.. Жаль бабки-то... =(") },
        [&state, left] { state.setNumber(Field::Money, left); } };
}

RuleOutcome RunFromThug(TGameState& state)
{
    RuleOutcome outcome { { QStringLiteral("Стой, мля, куда побежал-то?") }, {} };
    if (Random(4) != 0) {
        outcome.messages.append(QStringLiteral(
            "Увы, он оказался быстрее вас... Он вас завалил пинком в спину и отнял все ваши деньги... =("));
        outcome.change = [&state] { state.setNumber(Field::Money, 0); };
    } else {
        outcome.messages.append(QStringLiteral(
            "Поздравляю! Вам повезло - он, куряга, не смог вас догнать! Круто же вы от него избавились, да? =)"));
    }
    return outcome;
}

RuleOutcome AfterThugFight(TGameState& state, bool won)
{
    if (won) {
        return { { QStringLiteral("У вас поднялся авторитет на 5 единиц.") },
            [&state] { state.add(Field::Authority, 5); } };
    }
    return { { QStringLiteral("К сожалению, гопник победил в этой драке. Пока вы находились без сознания, он успел "
                              "украсть у вас все деньги... =(") },
        [&state] { state.setNumber(Field::Money, 0); } };
}

int PeopleAfterStreetBeat(int people)
{
    if (Random(2) == 1)
        people += Random(3);
    else
        people -= Random(3);
    return people <= 0 ? 1 : people;
}

Approach TryApproach(bool allowedToday, int people)
{
    if (!allowedToday)
        return { false, QStringLiteral("Не, на сегодня хватит. Я устал.") };
    // With fewer than six people there is nobody to stand in the way.
    const int crowd = people / 3;
    if (crowd > 1 && Random(crowd) != 0) {
        return { false,
            QStringLiteral("Блин, народ - чмо, не дает подойти к лоху. Нужно подождать, пока прохожие пройдут...") };
    }
    if (Random(2) == 1) {
        static const char* const slippedAway[] = {
            "Стой, куда побежал-то? Какой-то пугливый ботаник попался...",
            "Во чмо, в магазин зашел. Ждать не буду.",
            "Так-с, этот лох точно не один. Лучше не соваться.",
            "Ага. Иди ты нафиг. Лучше к другому...",
            "Я пока не вижу ботаников или лохов.",
        };
        return { false, QString::fromUtf8(slippedAway[Random(5)]) };
    }
    return { true, QString() };
}

RuleOutcome VictimTalkEnds(TGameState& state, DialogOutcome outcome)
{
    switch (outcome) {
    case DialogOutcome::War:
        return { { QStringLiteral("Вы передумали отбирать у него деньги и отпустили его. Жаль, у него стопудово "
                                  "трицон лежал в кармане.") },
            {} };
    case DialogOutcome::Ch1: {
        const int given = Random(50);
        return { { QStringLiteral("Он отдал вам %1 рублей, вы пожали друг-другу руки и разошлись.").arg(given) },
            [&state, given] { state.add(Field::Money, given); } };
    }
    case DialogOutcome::Ch3:
        return { { QStringLiteral("Э, ты, мля, куда? - крикнули мы ему. Бежать за ним неохота, пусть бежит, чмо.") },
            {} };
    case DialogOutcome::Win:
        return { { QStringLiteral("Он отдал вам 5 рублей, вы пожали друг-другу руки и разошлись.") },
            [&state] { state.add(Field::Money, 5); } };
    case DialogOutcome::None:
    case DialogOutcome::Ch2:
    case DialogOutcome::Broken:
        break;
    }
    return {};
}

RuleOutcome AfterVictimFight(TGameState& state, bool won)
{
    if (won)
        return {};
    return { { QStringLiteral("Ха-ха-ха! Какой-то лох победил вас в этой драке. Пока вы находились без сознания, он "
                              "успел убежать. Ваш авторитет упал на 5 единиц.") },
        [&state] { state.add(Field::Authority, -5); } };
}
