// The background music's rules: the default playlist (read by audio/Playlist.h), which player a track goes to,
// which track comes next.
#pragma once

#include "audio/Playlist.h"

#include <QString>
#include <functional>

class TMusicState;

// Item 0 of both track lists.
extern const char* const NoMusic;

// MP3 and Ogg Vorbis files play through the compressed-audio player, everything else (MIDI, WAV) through the system
// media player. The type is the path's last three characters, Latin letters taken in capitals.
enum class TrackPlayer { Compressed, Media };
TrackPlayer PlayerForTrack(const QString& path);

// The item after `selected` in a list whose items 1..lastItem are tracks; after the last comes track 1.
int NextTrack(int selected, int lastItem);

// The music watch's tick: true when the music moves on to the next track. It does when the compressed-audio player's
// track has run out (taken notice of once), or when the system media player holds the music and `mediaTrackEnded`
// says that its track has played to its end.
bool MusicWatchMovesOn(TMusicState& compressed, const std::function<bool()>& mediaTrackEnded);

// One track change at a time. Stopping a compressed track runs the message loop, where the player's choice or the
// music watch can ask for another change: that one is made after the running one, with the item the list shows then.
class TrackChanges {
public:
    // Runs `change`, and again as long as another change was asked for meanwhile; inside a change it only asks.
    void Make(const std::function<void()>& change);
    // Whether another change has been asked for since the running one began: the running one can leave off early.
    bool Superseded() const { return m_again; }

private:
    bool m_running = false;
    bool m_again = false;
};
