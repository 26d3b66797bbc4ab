// Who the girls of the class are and which of them will talk to the player.
#pragma once

#include "core/GameState.h"

#include <QString>
#include <array>

// The girls' names as their buttons show them, in the order of the girl flags.
extern const std::array<const char*, GirlCount> GirlButtonCaptions;

// What a girl asks before she talks: the authority she needs; Оля also wants the nine others charmed first.
int GirlAuthorityThreshold(int girl);
// The girl's name in "Разговор с ..." ("Катей", "Олей").
QString GirlNameWith(int girl);

// A girl talks once the player's authority reaches her threshold; Оля only when the nine others are charmed too.
// A girl already charmed may be talked to again.
bool GirlWillTalk(const TGameState& state, int girl);

// "Поговорить с ней": whether the talk starts, and what the player is told when it does not.
struct GirlTalkRequest {
    bool talks = false;
    QString message; // empty when nothing is said
};
// One time in three she is not around, whoever she is (the player hears of it only when a girl was picked); with
// nobody picked nothing happens; then she must be willing. `selectedGirl` is -1 while none was picked.
GirlTalkRequest RequestGirlTalk(const TGameState& state, int selectedGirl);
