// Copy-in/copy-out: how a place window works on copies of game values shown in its own labels.
#pragma once

#include "core/GameState.h"
#include "core/Ui.h"

#include <initializer_list>

class QDialog;
class QLabel;

// One value a place window works on: the game field and the window's label that shows its copy.
struct CopiedValue {
    Field field;
    QLabel* label;
};

// Puts each field's text into its label (in the listed order, unchanged), shows the window modally, and after it has
// closed, however it was closed, writes every label's text back into its field in the same order, changed or not.
// The window itself never touches the game state for these values.
ModalResult ShowWithCopies(TGameState& state, QDialog& window, std::initializer_list<CopiedValue> values);
