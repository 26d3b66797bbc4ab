// The autosaves: the running game kept in the player's save folder at every midnight and on every way out, so a
// logout, a power cut or a crash costs at most the current day. Every game keeps its own series of them (the recent
// midnights and the last way out), each an ordinary saved game of 95 lines with its life log beside it, named so
// that the load dialog reads who played, when in the game, and whether it was kept at midnight or on leaving.
// The name window offers the newest of them all as «Продолжить».
#pragma once

#include <QLockFile>
#include <QString>
#include <QVector>

#include <memory>

class GameWindows;
class LifeLog;
class TGameState;

// When an autosave was made: the midnight ones are kept for a week of game days, the way-out one until the next.
enum class AutosaveMoment { Midnight, WayOut };

// How many autosaves of each kind one game keeps.
constexpr int KeptMidnights = 7;
constexpr int KeptWayOuts = 1;

// The player's save folder under the working directory, as an absolute path.
QString SaveFolderPath();

struct AutosaveFile {
    QString path;
    int series = 0; // the game it belongs to; the single autosave of earlier versions is series 0
    AutosaveMoment moment = AutosaveMoment::WayOut;
};

// Whether the file name is one of an autosave, and of which series and kind.
bool ReadAutosaveName(const QString& fileName, AutosaveFile& file);
// "Автосохранение 3 — Петя — 2005-11-14 00.00.sav": series, the player's name as a file name can hold it, the game's
// date and time, and "(выход)" after the time of a way-out one.
QString AutosaveFileName(int series, const TGameState& state, AutosaveMoment moment);

// The autosaves of the save folder, newest first (by when they were written).
QVector<AutosaveFile> Autosaves();
// The newest autosave of any game, or an empty text when there is none.
QString NewestAutosave();
inline bool AutosaveExists() { return !NewestAutosave().isEmpty(); }
// A series no autosave in the folder uses yet, for a new game or a loaded one.
int NewAutosaveSeries();

// Writes the game as an autosave of the series, its life log first and then the game, each through a temporary file
// that becomes the file only when complete; then drops the series' autosaves beyond the kept ones. A game that would
// not load again (a value the cheat window made no number) is not written. Returns the path written and an empty
// reason on success; otherwise the reason, which also waits in a note for the next start (TakeAutosaveFailure).
// Never throws and never asks the player anything: it runs while the game ends.
struct AutosaveWriting {
    QString path;
    QString failure;
};
AutosaveWriting WriteAutosave(const TGameState& state, const LifeLog& log, int series, AutosaveMoment moment);

// What the player is told at start-up when an autosave has failed since the last successful one, or an empty text;
// the note is gone once taken. Only the game's own note counts: a file of the player's of that name is left alone.
QString TakeAutosaveFailure();

// Removes what a writer killed half-way leaves in the save folder: its hidden temporary files, and an autosave's
// life log whose game was never written. Only while this game holds the folder's lock.
void CleanSaveFolder();

// One game at a time keeps its games in a save folder. The lock is held from start to end; a game that finds it held
// by a running game is told so and leaves that folder's games alone.
class SaveFolderLock {
public:
    SaveFolderLock();
    // Empty when the lock is held (or the folder takes no lock file, so nothing can be saved there anyway); otherwise
    // what the player is told: another game runs in this folder.
    QString Take();

private:
    std::unique_ptr<QLockFile> m_lock;
};
