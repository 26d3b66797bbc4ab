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

RuleOutcome BallGameEnds(TGameState& state, int score)
{
    if (score == 0)
        return {};
    const qint64 mood = std::min<qint64>(qint64(state.number(Field::Mood)) + score, 100);
    return { { QStringLiteral("После этой игры настроение у вас поднялось на: ") + QString::number(score) },
        [&state, mood] { state.setNumber(Field::Mood, mood); } };
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

bool ZombieShooter::BeginShow()
{
    if (!m_startAfresh)
        return false;
    m_startAfresh = false;
    m_title = ShooterTitle::None;
    m_shooting = false;
    // Each zombie starts far away at a frame of its own; its first step moves it on to the next.
    for (Zombie& zombie : m_zombies) {
        zombie.size = ZombieAtRest;
        zombie.frame = Random(ZombieFrameCount);
    }
    return true;
}

bool ZombieShooter::TitleBeat()
{
    switch (m_title) {
    case ShooterTitle::None:
        m_title = ShooterTitle::Title1;
        return true;
    case ShooterTitle::Title1:
        m_title = ShooterTitle::Title2;
        return true;
    case ShooterTitle::Title2:
        m_title = ShooterTitle::Intro;
        return true;
    case ShooterTitle::Intro:
    case ShooterTitle::Playing:
        break;
    }
    return false;
}

void ZombieShooter::BeginPlay()
{
    m_title = ShooterTitle::Playing;
    m_shooting = true;
}

bool ZombieShooter::CountdownBeat()
{
    m_secondsLeft = Bounded(qint64(m_secondsLeft) - 1);
    m_title = ShooterTitle::None;
    if (m_secondsLeft > 0)
        return false;
    m_shooting = false;
    return true;
}

bool ZombieShooter::AdvanceBeat()
{
    bool reached = false;
    for (Zombie& zombie : m_zombies) {
        AdvanceZombie(zombie);
        reached = reached || ZombieReachedPlayer(zombie);
    }
    if (reached) {
        m_shooting = false;
        m_startAfresh = true;
    }
    return reached;
}

bool IsGameOfferTime(const TGameState& state)
{
    return state.text(Field::Hour) == QLatin1String("16") && state.text(Field::Minute) == QLatin1String("20")
        && state.text(Field::Day) == QLatin1String("3") && state.text(Field::Month) == QLatin1String("2")
        && state.text(Field::Year) == QLatin1String("2006");
}

RuleOutcome ShooterVerdict(TGameState& state, ShooterOutcome outcome)
{
    QStringList messages { QStringLiteral("На следующий день все в школе только и говорили о Half-Life2. Она была "
                                          "основной темой всех учеников и учениц.") };
    switch (outcome) {
    case ShooterOutcome::Won:
        messages.append(QStringLiteral("Вы, как всегда на высоте, с легкостью прошли игрушку! Ваш авторитет быстро, "
                                       "как 1 секунда, подлетела на 50 единиц. У вас заметно улучшилось настроение. "
                                       "Поздравляю!"));
        return { messages, [&state] {
                    state.setNumber(Field::Mood, 100);
                    state.add(Field::Authority, 50);
                } };
    case ShooterOutcome::Lost:
        messages.append(QStringLiteral("Один вы, один вы не смогли пройти эту игру. Ваш авторитет быстро, как 1 "
                                       "секунда, упала на 50 единиц. Вместе с тем, девушки разлюбили вас... Лучше бы "
                                       "вы эту игрушку прошли бы."));
        break;
    case ShooterOutcome::Refused:
        messages.append(QStringLiteral("Один вы, один вы не играли в эту игру. Даже отказались купить коробочку с "
                                       "игрой! Ваш авторитет быстро, как 1 секунда, упала на 50 единиц. Вместе с тем, "
                                       "девушки разлюбили вас... Лучше бы вы эту игрушку купили бы."));
        break;
    }
    return { messages, [&state] {
                state.add(Field::Authority, -50);
                ForgetAllGirls(state);
            } };
}
