// Music and sound files are read only when they are regular files. A playlist may name any path, and a FIFO, a
// device or a folder there (or a link to one) could block the game or feed it bytes without end. The stream readers
// read whole files with the content reader of core/ContentFile.h; these are for the players, which read as they play.
#pragma once

#include <QString>
#include <QtGlobal>

class QFile;
struct SDL_RWops;

// Whether `path` names a regular file, after following links. Looks without opening anything.
bool IsRegularFile(const QString& path);

// Opens `path` for reading when it is a regular file: checked before the opening, which never waits (in case the name
// was swapped for a FIFO meanwhile), and again on what was opened. A descriptor, or -1.
int OpenRegularFile(const QString& path);
// The same into `file`, which then owns the descriptor; false (and `file` closed) when it is not a regular file.
bool OpenRegularFile(QFile& file, const QString& path);

// An SDL stream over a regular file that ends after `limit` bytes at most (SDL's loaders read until the end);
// null when it is not a regular file, or when SDL's library is not there. Closing the stream closes the file.
SDL_RWops* OpenRegularStream(const QString& path, qint64 limit);
