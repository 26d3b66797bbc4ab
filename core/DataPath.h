// Content paths: "Data\Girls\0.jpg" as the game writes them, resolved under the working directory.
#pragma once

#include <QString>

class QLibrary;

// Turns a game path with backslashes into a path under the current working directory (absolute paths stay).
QString DataPath(const QString& gamePath);

// Loads one of the game's own run-time libraries (a codec, the charts of «Мой год») by its name ("MPGLib"), always by
// full path: beside the program (a game built in the repository), then from the installed library folder, found from
// the program's own folder as the installed data is. The program has no run path, so neither the loader nor a library
// loaded later ever looks for a library in the working folder. False when neither place has it.
bool LoadOwnLibrary(QLibrary& library, const QString& name);

// Where the game runs. Every "Data\..." path and the "Save" folder hang on the working directory. A game built in the
// repository has no installed data beside it and stays where it was started (the repository root, by ./play.sh). An
// installed game keeps its data read-only in a shared folder, so it runs in the player's own folder instead, which
// holds a "Data" link to the shared data and the player's own "Save" folder; two players on one computer keep their
// own saved games. It goes there whatever folder it was started in: a menu starts it in the home folder, where an
// unrelated "Data" folder must not pass for the game's content. A "Data" the player put in their folder (a folder of
// their own, or a link to one) is kept; only a link whose folder is gone is pointed at the installed data again.
struct WorkingDirectoryChoice {
    QString folder; // the folder to run in; empty when the game cannot start
    QString problem; // why not, for the player: no folder of the player's, or no game data in the folder
};
WorkingDirectoryChoice ChooseWorkingDirectory(
    const QString& currentFolder, const QString& installedData, const QString& playerFolder);
