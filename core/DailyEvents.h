// The daily events of the clock that need no window: what kills the player, and what happens in the street on the 5th.
#pragma once

#include <QString>
#include <QStringList>

class TGameState;

// How the player died, as the death window finishes its sentence ("голода."), or an empty text while the player
// lives. Hunger, despair and lack of sleep are looked at in that order and the last that holds is named. Throws
// EConvertError when one of the three values is not a number.
QString DeathCause(const TGameState& state);

// The street event of the 5th of every month at 17:00. A coin is tossed on every tick; when it lands on 0 at that
// hour, half the time the player finds money (50 or 10 roubles) and half the time loses authority (1 or 2). The value
// changes here; the result is what the player is told (nothing on an ordinary tick).
QStringList StreetEvent(TGameState& state);
