// The saved-game file: the 95 lines that carry a game, in their fixed order, to and from the game state.
#pragma once

#include <QString>
#include <QStringList>

enum class Field;

class GameValues;
class TGameState;

constexpr int SavedGameLineCount = 95;

// The 95 lines of the running game, each value's text as the game holds it. The only changes are for texts the
// file cannot carry (a line break would split the line, Windows-1251 lacks emoji and most other scripts): a line
// break becomes a blank and a character the code page lacks becomes "?". `changed` tells whether that happened.
QStringList SavedGameLines(const TGameState& state, bool* changed = nullptr);

// Checks the lines of a file as a whole: an empty text when the first 95 lines make a game, otherwise a message
// that names the first bad line. Lines after the 95th are not looked at.
QString CheckSavedGameLines(const QStringList& lines);

// Puts the values of lines that passed the check into the state. Values the file does not hold (quarter,
// location, year, exam and final grades, today's robbery flag) stay as they are.
void ApplySavedGameLines(TGameState& state, const QStringList& lines);

// What a value of the field must be for a saved game to be loaded again ("месяц от 1 до 12"); empty when the text
// fits, or when the file does not hold the field.
QString SavedValueProblem(Field field, const QString& text);

// The school year ends with the last bell at 8:00 on 24 May 2006; a clock past it would never ring it and run on
// into years no game holds. An empty text when the moment is at or before 8:00 that day, otherwise why not. The bell's
// own moment is a state the game rests in while the year ends (and may be left in when the program closes then); the
// clock waits there, so the bell rings on the first tick after such a game is loaded.
QString CalendarProblem(const GameValues& values);

// A text as one line of the file can hold it (see SavedGameLines).
QString SaveableText(const QString& text);
