// The background music: the playlist shown in the main window's choice list, which player a track goes to, and the
// watch that moves on to the next track.
#pragma once

#include "audio/MediaPlayer.h"
#include "audio/Playlist.h"

#include <QObject>
#include <QString>
#include <functional>

class GameClock;
class GameWindows;
class QComboBox;
class QLayout;
class QPushButton;
class QTimer;
class QWidget;
class TMusicState;

// Item 0 of the track list.
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

// The main window's music: its choice list TrackTitles (item 0 "Без музыки", then one item per track, the track's
// path carried as the item's data), the button "Плейлист", the watch MusicWatchTick and the system media player.
// MP3 and Ogg tracks are handed to the hidden compressed-audio player window. A track that cannot be opened counts as
// ended: the next one plays, and a playlist of which nothing plays falls silent with one notice.
class BackgroundMusic : public QObject {
    Q_OBJECT
public:
    // Makes the controls as children of `window`; makeLayout() places them.
    BackgroundMusic(QWidget& window, GameWindows& windows, GameClock& clock);

    // The choice list beside the button, for the window's layout.
    QLayout* makeLayout();

    // Start-up: reads the default playlist and starts its first track on the media player.
    void LoadDefaultPlaylist();
    // The player chose an item of TrackTitles (or the watch moved on): plays it with the player for its type.
    void TrackTitlesChange();
    // "Плейлист": loads a playlist the player chooses.
    void playlistButtonClick();
    // Every second while on: moves to the next track when the one playing has run out.
    void MusicWatchTickTimer();
    // Selects the next track (after the last, track 1) and plays it.
    void AdvanceTrack();
    // The credits' own music, over whatever the compressed player plays; the watch rests meanwhile.
    void StartCreditsMusic();
    void EndCreditsMusic();
    // Switches the watch on or off; the save and load dialogs hold it while they are open.
    void SetMusicWatch(bool on);

    // The path of item `item` of the list; empty for "Без музыки" and past the end.
    QString trackPath(int item) const;
    // The system media player of the music (MIDI and anything not MP3 or Ogg).
    const TMediaPlayer& mediaPlayer() const { return MediaPlayer1; }

private:
    void setTracks(const Playlist& playlist);
    // Plays the selected track, or the first after it that opens; `mediaFirst` gives the first one tried to the media
    // player whatever its type.
    void playFromSelected(bool mediaFirst);
    // Plays the item with the player for its type; false when its file cannot be opened though there is sound.
    bool playItem(int item, bool onMedia);
    void selectQuietly(int item);
    // Tells the player once, at start-up, why the game is silent.
    void explainSilence();

    GameWindows& m_windows;
    GameClock& m_clock;
    QComboBox* TrackTitles;
    QPushButton* playlistButton;
    QTimer* MusicWatchTick;
    TMediaPlayer MediaPlayer1;
    // Tracks of this playlist the player has been told cannot be opened.
    QList<int> m_toldUnplayable;
    bool m_silenceExplained = false;
};
