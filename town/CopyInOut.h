// Copy-in/copy-out: a place window works on copies of game values that its opener hands in and takes back.
#pragma once

#include "core/GameState.h"
#include "core/GameWindow.h"

#include <initializer_list>
#include <utility>
#include <vector>

class QLabel;

// A place window that works on copies of the game's values: the opener hands them in, the window's rules change them
// through the bounded operations of GameValues, its labels only show them, and the opener takes them back when the
// window closes. Until then the game itself does not move.
class TPlaceWindow : public TGameWindow {
    Q_OBJECT
public:
    using TGameWindow::TGameWindow;

    // The opener's values become the window's copies, and every label shows its copy at once.
    void TakeCopies(const GameValues& values);
    // The copies as they stand, for the opener to take back.
    const GameValues& Copies() const { return m_copies; }
    // The fields the window shows and the opener takes back, in the order the window's constructor named them.
    std::vector<Field> CopiedFields() const;

protected:
    // Which label shows which copy; the window's constructor says so once, and that is also what the opener takes back.
    void ShowCopiesIn(std::initializer_list<std::pair<Field, QLabel*>> labels);
    // The copies the window's rules change; ShowCopies afterwards.
    GameValues& WorkingCopies() { return m_copies; }
    // Every label shows its copy as it stands.
    void ShowCopies();
    // One purchase on the copies: money down by the price, `target` up by the gain (at most to 100). Without the money
    // the player hears `refusal` and nothing changes; a copy that is no number stops it before any change.
    void Buy(NumberField target, int price, int gain, const char* refusal);

private:
    GameValues m_copies;
    std::vector<std::pair<Field, QLabel*>> m_labels;
};

// Gives the window the game's values, shows it modally, and after it has closed, however it was closed (also when one
// of its handlers failed), takes the window's copied fields back in their order, changed or not.
ModalResult ShowWithCopies(TGameState& state, TPlaceWindow& window);
