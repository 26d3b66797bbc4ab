#include "street/FistFight.h"

void FightState::SetUp(int opponent, int fightSkill)
{
    opponentLives.Start(opponent);
    playerLives.Start(fightSkill);
    punchPower.maximum = fightSkill < 0 ? 0 : fightSkill / 3;
    punchPower.value = 0;
}

void FightState::Punch(FightHand hand)
{
    const bool right = hand == FightHand::Right;
    if (right != lastHandRight && punchPower.value < punchPower.maximum)
        punchPower.Set(punchPower.value + 1);
    lastHandRight = right;
}

FightEnd FightState::PunchLands()
{
    opponentLives.Set(opponentLives.value - PlayerDamage());
    return opponentLives.value <= 0 ? FightEnd::PlayerWon : FightEnd::Going;
}

FightEnd FightState::OpponentBeat(bool windUp)
{
    if (opponentWindup) {
        opponentWindup = false;
        playerLives.Set(playerLives.value - OpponentDamage());
        if (playerLives.value <= 0 || Deadlocked())
            return FightEnd::PlayerLost;
        return FightEnd::Going;
    }
    if (windUp)
        opponentWindup = true;
    return FightEnd::Going;
}
