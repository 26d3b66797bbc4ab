// Saving the game to a file and loading it back.
#pragma once

#include <QStringList>

class GameWindows;

// "Сохранить игру...": asks for a file and writes the game into it.
void SaveGameCommand(GameWindows& windows);
// "Загрузить игру...": asks for a file and replaces the game with the one saved in it.
void LoadGameCommand(GameWindows& windows);

// Writes the lines of a saved game to the file, replacing it only when all is written. Throws EInOutError when the
// file cannot be written or its name belongs to a folder or a device.
void WriteSavedGame(const QString& path, const QStringList& lines);
// Loads the saved game of the file and the life log beside it. False, after telling the player why, when the file
// cannot be read or holds no game; the game is then unchanged. What the player is to hear of a log set aside goes into
// logNotice, or is told at once when there is no logNotice.
bool LoadSavedGame(GameWindows& windows, const QString& path, QString* logNotice = nullptr);

// What the load and save dialogs say about the file under the cursor, read with the same check a load makes: the
// player's name, the game's date and time, money, quarter and the last days of the life log beside it; or why the
// file is no saved game. Empty for a folder or a file that is not there. Never throws and changes no file.
QString SavedGamePreview(const QString& path);
