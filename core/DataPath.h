// Content paths: "Data\Girls\0.jpg" as the game writes them, resolved under the working directory.
#pragma once

#include <QString>

// Turns a game path with backslashes into a path under the current working directory (absolute paths stay).
QString DataPath(const QString& gamePath);
