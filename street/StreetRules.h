// The rules of the street: what the thug leaves the player, how a robber gets near a victim, and how each street
// encounter ends. An ending is what the player is told and the change it makes afterwards.
#pragma once

#include "core/Ui.h"
#include "street/DialogScript.h"

#include <QString>

class TGameState;

// The thug takes 95 %: what is left is a twentieth of the money, an exact half going to the even neighbour
// (50 leaves 2, 70 leaves 4, 19 leaves 1).
int MoneyAfterHandingOver(int money);

// "Отдать деньги": the thug takes 95 % of the money, whatever the purse holds.
RuleOutcome HandOverToThug(TGameState& state);
// "Попытаться убежать": three times in four he catches the player and takes all the money.
RuleOutcome RunFromThug(TGameState& state);
// After the fight with the thug (on a win, after the player looked into his pockets or not): a win raises the
// authority by 5, a loss costs all the money.
RuleOutcome AfterThugFight(TGameState& state, bool won);

// One beat of the street while the robber lurks: people come and go, at least one person stays.
int PeopleAfterStreetBeat(int people);

// An attempt to step up to a victim.
struct Approach {
    bool startsTalk = false;
    QString message; // what the player is told when the talk does not start
};
// Once a day only; a crowd of six or more may stand in the way (the more people, the likelier); then half the
// victims slip away with one of five excuses.
Approach TryApproach(bool allowedToday, int people);

// How a talk with a victim ends by its code "war", "ch1", "ch3" or "win" ("ch2" is the fight): let go, a few
// roubles handed over, run away, or a handshake and 5 roubles.
RuleOutcome VictimTalkEnds(TGameState& state, DialogOutcome outcome);
// After the fight with a victim: a loss costs 5 points of authority; a win is the victim's pockets, in their window.
RuleOutcome AfterVictimFight(TGameState& state, bool won);
