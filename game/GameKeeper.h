// Keeps the player's game in the autosaves: when the game is worth keeping, which series it writes, and the one rule
// of when an autosave is written: only at a quiet moment, when everything the player has been told has happened.
#pragma once

#include "records/Autosave.h"

#include <QString>

class GameWindows;

class GameKeeper {
public:
    explicit GameKeeper(GameWindows& windows)
        : m_windows(windows)
    {
    }

    // The start-up sequence has run to its end: from now on the game is worth keeping.
    void Ready() { m_ready = true; }
    bool IsReady() const { return m_ready; }

    // Another game took the running one's place: a new one, the new school year, or a saved game loaded (loadedFrom).
    // A continued autosave goes on in its own series; any other game starts a series of its own, so it never removes
    // another game's autosaves.
    void GameReplaced(const QString& loadedFrom = {});
    int Series() const { return m_series; }
    // The newest autosave of the running game, or an empty text when it has none yet.
    QString LastOwnAutosave() const;

    // A game midnight has passed: the day is kept as soon as it is in the life log and no notice is still waiting to
    // be closed (what a notice announces happens when it is closed, so the autosave waits for it).
    void MidnightPassed() { m_midnightDue = true; }
    // Writes a midnight autosave that is due, if the moment is quiet: after the day is logged, before the night's
    // checks can end the game, and at the end of every tick for one that had to wait.
    void KeepIfDue();

    // The way out, once every command and event under way has run to its end (the main loop has returned): what
    // notices were still open has happened, and the game is kept. Returns why it could not be kept, or an empty text.
    QString KeepOnWayOut();
    // The program ends without returning to its main loop (the display went away): the game is kept as it stands.
    void KeepOnSuddenEnd();

private:
    // Writes the autosave unless the game is not worth keeping (before the start-up has run, after the player died).
    QString keep(AutosaveMoment moment);

    GameWindows& m_windows;
    int m_series = 0;
    bool m_ready = false;
    bool m_midnightDue = false;
    bool m_keptOnWayOut = false;
};
