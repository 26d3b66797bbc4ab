// Every window of the game by its name, and what they share: the one game state and the game clock.
// The window owner in game/ makes a window the first time it is asked for and keeps it to the end, so every window
// lives, hidden between showings, as if made at start-up; a window reaches through it the windows of its own folder
// and the folders below (including their headers), and starts what lives beside or above it through the operations
// at the end, which the owner carries out.
#pragma once

#include "core/WindowList.h"

class QString;
class TGameState;
class GameClock;
class LifeLog;
#define TRAMBUL_DECLARE_WINDOW(Type, name, folder, module) class Type;
TRAMBUL_WINDOWS(TRAMBUL_DECLARE_WINDOW)
#undef TRAMBUL_DECLARE_WINDOW

// The windows in the order of the list.
enum class WindowId {
#define TRAMBUL_WINDOW_ID(Type, name, folder, module) name,
    TRAMBUL_WINDOWS(TRAMBUL_WINDOW_ID)
#undef TRAMBUL_WINDOW_ID
};
#define TRAMBUL_COUNT_WINDOW(Type, name, folder, module) +1
constexpr int WindowCount = 0 TRAMBUL_WINDOWS(TRAMBUL_COUNT_WINDOW);
#undef TRAMBUL_COUNT_WINDOW

class GameWindows {
public:
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;

    TGameState& state() const { return *m_state; }
    GameClock& clock() const { return *m_clock; }
    // The player's days so far, one line per game midnight (records/LifeLog.h).
    LifeLog& lifeLog() const { return *m_lifeLog; }

    // form1() ... form46(), aboutBox(): the window, made on the first call.
#define TRAMBUL_WINDOW_ACCESSOR(Type, name, folder, module)                                                            \
    Type& name()                                                                                                       \
    {                                                                                                                  \
        if (!m_##name)                                                                                                 \
            make(WindowId::name);                                                                                      \
        return *m_##name;                                                                                              \
    }
    TRAMBUL_WINDOWS(TRAMBUL_WINDOW_ACCESSOR)
#undef TRAMBUL_WINDOW_ACCESSOR

    // Operations across the layers.
    // "Поговорить с мамой", as the outside-school window and the phone start it.
    virtual void TalkWithMother() = 0;
    // "Начать новую игру": asks first, then resets the game.
    virtual void NewGame() = 0;
    // Ends the program, whatever windows are open.
    virtual void Quit() = 0;
    // Another game has taken the running one's place: a new game, the new school year, or the saved game of the file
    // loadedFrom. Its autosaves are its own from now on.
    virtual void GameReplaced(const QString& loadedFrom) = 0;
    // The zombie shooter from its titles, without the offer, the price or any consequence (the cheat editor).
    virtual void StartShooter() = 0;
    // The evening thug steps up: story, talk and its outcome (the clock is the caller's business).
    virtual void StartThug() = 0;
    // The music of the credits: started before the credits window opens, stopped after it has closed.
    virtual void StartCreditsMusic() = 0;
    virtual void StopCreditsMusic() = 0;
    // The background music's watch that moves on to the next track: the save and load dialogs hold it while they
    // are open and switch it on afterwards.
    virtual void SetMusicWatch(bool on) = 0;
    // The box of girl flags on the main window, hidden in normal play; the cheat window shows and hides it.
    virtual bool GirlFlagsBoxVisible() const = 0;
    virtual void SetGirlFlagsBoxVisible(bool visible) = 0;

protected:
    GameWindows() = default;
    virtual ~GameWindows() = default;

    // Makes the window and fills in its pointer below.
    virtual void make(WindowId window) = 0;

    TGameState* m_state = nullptr;
    GameClock* m_clock = nullptr;
    LifeLog* m_lifeLog = nullptr;
#define TRAMBUL_WINDOW_POINTER(Type, name, folder, module) Type* m_##name = nullptr;
    TRAMBUL_WINDOWS(TRAMBUL_WINDOW_POINTER)
#undef TRAMBUL_WINDOW_POINTER
};
