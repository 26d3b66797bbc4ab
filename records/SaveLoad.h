// Saving the game to a file and loading it back.
#pragma once

class GameWindows;

// "Сохранить игру...": asks for a file and writes the game into it.
void SaveGameCommand(GameWindows& windows);
// "Загрузить игру...": asks for a file and replaces the game with the one saved in it.
void LoadGameCommand(GameWindows& windows);
