#include "street/MiniGames.h"

#include "core/GameState.h"
#include "core/Random.h"

#include <algorithm>

namespace {
constexpr int BallMargin = 16;
constexpr int BallStep = 128;
constexpr int FastestAdvance = 70;
// What the player loses with the girls: every one of them forgets him.
void ForgetAllGirls(TGameState& state)
{
    for (int girl = 0; girl < GirlCount; ++girl)
        state.setCharmed(girl, false);
}
}

QPoint BallPosition(int cell) { return QPoint(BallMargin + BallStep * (cell % 3), BallMargin + BallStep * (cell / 3)); }

QStringList ApplyBallScore(TGameState& state, int score)
{
    if (score == 0)
        return {};
    state.setNumber(Field::Mood, std::min<qint64>(qint64(state.number(Field::Mood)) + score, 100));
    return { QStringLiteral("После этой игры настроение у вас поднялось на: ") + QString::number(score) };
}

int NextZombieFrame(int frame) { return frame + 1 > ZombieFrameCount ? 1 : frame + 1; }

void AdvanceZombie(Zombie& zombie)
{
    const int grow = Random(zombie.size.width() / 5);
    zombie.frame = NextZombieFrame(zombie.frame);
    zombie.size += QSize(grow, grow);
}

bool ZombieReachedPlayer(const Zombie& zombie) { return zombie.size.height() >= ZombieReachHeight; }

int AdvanceInterval(int secondsLeft) { return std::max(secondsLeft, FastestAdvance); }

bool IsGameOfferTime(const TGameState& state)
{
    return state.text(Field::Hour) == QLatin1String("16") && state.text(Field::Minute) == QLatin1String("20")
        && state.text(Field::Day) == QLatin1String("3") && state.text(Field::Month) == QLatin1String("2")
        && state.text(Field::Year) == QLatin1String("2006");
}

QStringList ApplyShooterOutcome(TGameState& state, ShooterOutcome outcome)
{
    QStringList messages { QStringLiteral("На следующий день все в школе только и говорили о Half-Life2. Она была "
                                          "основной темой всех учеников и учениц.") };
    switch (outcome) {
    case ShooterOutcome::Won:
        state.add(Field::Authority, 50);
        state.setNumber(Field::Mood, 100);
        messages.append(QStringLiteral("Вы, как всегда на высоте, с легкостью прошли игрушку! Ваш авторитет быстро, "
                                       "как 1 секунда, подлетела на 50 единиц. У вас заметно улучшилось настроение. "
                                       "Поздравляю!"));
        break;
    case ShooterOutcome::Lost:
        state.add(Field::Authority, -50);
        ForgetAllGirls(state);
        messages.append(QStringLiteral("Один вы, один вы не смогли пройти эту игру. Ваш авторитет быстро, как 1 "
                                       "секунда, упала на 50 единиц. Вместе с тем, девушки разлюбили вас... Лучше бы "
                                       "вы эту игрушку прошли бы."));
        break;
    case ShooterOutcome::Refused:
        state.add(Field::Authority, -50);
        ForgetAllGirls(state);
        messages.append(QStringLiteral("Один вы, один вы не играли в эту игру. Даже отказались купить коробочку с "
                                       "игрой! Ваш авторитет быстро, как 1 секунда, упала на 50 единиц. Вместе с тем, "
                                       "девушки разлюбили вас... Лучше бы вы эту игрушку купили бы."));
        break;
    }
    return messages;
}
