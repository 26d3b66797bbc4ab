// A playlist of the background music: the titles the track lists show and the files they play.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Tracks in playlist order: titles[i] is shown for paths[i], and its title line is line titleLines[i] of the file
// (counted from 1, for the content checker's findings).
struct Playlist {
    QStringList titles;
    QStringList paths;
    QList<int> titleLines;
};

// A playlist's lines: a header line, then a title line and a path line for each track. The title is what follows
// the first blank of its line (the track number or an M3U duration goes before it); a file that ends after a title
// gives that track an empty path. With `skipEmptyTitles` (playlists the player loads), an empty title line is passed
// over without taking a path line with it.
Playlist ParsePlaylist(const QStringList& lines, bool skipEmptyTitles);
// Reads a playlist file (UTF-8 or Windows-1251); throws EInOutError when it cannot be read.
Playlist ReadPlaylist(const QString& path, bool skipEmptyTitles);
