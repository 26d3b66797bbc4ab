// The autosave: the running game kept in the player's save folder at every midnight and on every way out, so a
// logout, a power cut or a crash costs at most the current day. It is an ordinary saved game of 95 lines, which the
// load dialog finds beside the player's own saves and the name window offers as «Продолжить».
#pragma once

#include <QString>

class GameWindows;
class TGameState;

// "Save/Автосохранение.sav" under the working directory, as an absolute path.
QString AutosavePath();
bool AutosaveExists();

// Writes the game into the autosave, through a temporary file that replaces the old autosave only when complete.
// A game that would not load again (a value the cheat window made no number) is not written. Returns an empty text
// on success, otherwise why not; then the old autosave stays as it was and the reason waits in a note for the next
// start (see TakeAutosaveFailure). Never throws and never asks the player anything: it runs while the game ends.
QString WriteAutosave(const TGameState& state);

// What the player is told at start-up when an autosave has failed since the last successful one, or an empty text;
// the note is gone once taken.
QString TakeAutosaveFailure();

// «Продолжить»: replaces the game with the autosave. False when it cannot be loaded; the player has then been told
// why, in the load's own words, and the game is as it was.
bool LoadAutosave(GameWindows& windows);
