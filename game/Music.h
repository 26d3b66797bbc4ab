// The background music's rules: reading a playlist, which player a track goes to, which track comes next.
#pragma once

#include <QString>
#include <QStringList>

// The default playlist, read at start-up.
extern const char* const DefaultPlaylist;
// Item 0 of both track lists.
extern const char* const NoMusic;

// Tracks in playlist order: titles[i] is shown for paths[i].
struct Playlist {
    QStringList titles;
    QStringList paths;
};

// A playlist's lines: a header line, then a title line and a path line for each track. The title is what follows
// the first blank of its line (the track number or an M3U duration goes before it); a file that ends after a title
// gives that track an empty path. With `skipEmptyTitles` (playlists the player loads), an empty title line is passed
// over without taking a path line with it.
Playlist ParsePlaylist(const QStringList& lines, bool skipEmptyTitles);
// Reads a playlist file (Windows-1251); throws EInOutError when it cannot be read.
Playlist ReadPlaylist(const QString& path, bool skipEmptyTitles);

// MP3 and Ogg Vorbis files play through the compressed-audio player, everything else (MIDI, WAV) through the system
// media player. The type is the path's last three characters, Latin letters taken in capitals.
enum class TrackPlayer { Compressed, Media };
TrackPlayer PlayerForTrack(const QString& path);

// The item after `selected` in a list whose items 1..lastItem are tracks; after the last comes track 1.
int NextTrack(int selected, int lastItem);
