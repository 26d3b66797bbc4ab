#include "records/SaveLoad.h"

void SaveGameCommand(Forms&) { }

void LoadGameCommand(Forms&) { }
