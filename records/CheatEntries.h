// The entries of the cheat window: which game value each one edits, and which typed values it takes.
#pragma once

#include "core/GameState.h"

#include <QString>
#include <array>

enum class CheatAction {
    Value, // edits a game value
    GirlFlagsBox, // shows or hides the box of girl flags on the main window
    Thug, // starts the thug encounter
    Shooter, // starts the zombie shooter
};

// What a value entry accepts: the rest of the game reads these values back as numbers or as "Да"/"Нет".
enum class CheatValueKind { Number, YesNo, Text };

struct CheatEntry {
    const char* name; // the list entry
    CheatAction action;
    Field field; // for CheatAction::Value
    CheatValueKind kind;
};

constexpr int CheatEntryCount = 18;
extern const std::array<CheatEntry, CheatEntryCount> CheatEntries;

// Why a typed value cannot go into the entry's game value, or an empty text when it can.
// `now` holds the other values as they are, so that a date is checked as a whole.
QString CheatValueProblem(const CheatEntry& entry, const QString& typed, const GameValues& now);

// The words entry "Отношения с девушками (показать)" shows and understands, lower case only.
inline const QString CheatTrue = QStringLiteral("true");
inline const QString CheatFalse = QStringLiteral("false");

// The code that opens the editing panel.
inline const QString CheatCode = QStringLiteral("zubrlamonteq=)");
