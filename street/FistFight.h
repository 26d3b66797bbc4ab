// The rules of the fist fight: lives, punch power built by changing hands, the opponent's wind-up and strike.
#pragma once

// A bar of the fight: 0..maximum, a value set outside the range is pulled back into it.
struct FightBar {
    int maximum = 0;
    int value = 0;
    void Set(int newValue) { value = newValue < 0 ? 0 : (newValue > maximum ? maximum : newValue); }
    void Start(int newMaximum)
    {
        maximum = newMaximum < 0 ? 0 : newMaximum;
        value = maximum;
    }
};

enum class FightHand { Left, Right };
enum class FightEnd { Going, PlayerWon, PlayerLost };

// The state of one fight, kept by the fight window. The last hand and the opponent's wind-up carry over from one
// fight to the next, as a fighter's stance does.
struct FightState {
    FightBar opponentLives;
    FightBar playerLives;
    FightBar punchPower;
    bool lastHandRight = false; // "0" left, "1" right
    bool opponentWindup = false;

    // A new fight: the player's lives are his fighting skill, the power can reach a third of it.
    void SetUp(int opponentLives, int fightSkill);
    // A punch leaves the hand: changing hands adds 1 to the power.
    void Punch(FightHand hand);
    // The punch lands half a second later.
    FightEnd PunchLands();
    // The opponent's beat: a strike when he has wound up, otherwise a wind-up when windUp (a coin toss) says so.
    FightEnd OpponentBeat(bool windUp);
    // The power fades when the player stops changing hands.
    void PowerFades() { punchPower.Set(punchPower.value - 1); }

    int PlayerDamage() const { return playerLives.maximum / 10 + punchPower.value; }
    int OpponentDamage() const { return opponentLives.maximum / 10; }
    // Neither side can ever hurt the other (a very weak player against a very weak thug). Such a fight would never
    // end, so the opponent's first strike decides it against the player, as it does for a player with no lives.
    bool Deadlocked() const
    {
        return playerLives.maximum / 10 == 0 && punchPower.maximum == 0 && opponentLives.maximum / 10 == 0;
    }
};
