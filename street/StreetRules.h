// The money and crowd rules of the street: what the thug leaves the player, and how a robber gets near a victim.
#pragma once

#include <QString>

// The thug takes 95 %: what is left is a twentieth of the money, an exact half going to the even neighbour
// (50 leaves 2, 70 leaves 4, 19 leaves 1).
int MoneyAfterHandingOver(int money);

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
