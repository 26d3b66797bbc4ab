// The background music's rules: the default playlist (read by audio/Playlist.h), which player a track goes to,
// which track comes next.
#pragma once

#include "audio/Playlist.h"

#include <QString>

// The default playlist, read at start-up.
extern const char* const DefaultPlaylist;
// Item 0 of both track lists.
extern const char* const NoMusic;

// MP3 and Ogg Vorbis files play through the compressed-audio player, everything else (MIDI, WAV) through the system
// media player. The type is the path's last three characters, Latin letters taken in capitals.
enum class TrackPlayer { Compressed, Media };
TrackPlayer PlayerForTrack(const QString& path);

// The item after `selected` in a list whose items 1..lastItem are tracks; after the last comes track 1.
int NextTrack(int selected, int lastItem);
