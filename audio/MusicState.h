// The background music's state as the compressed-audio player keeps it for the main window.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

// Who holds the music and how far the track started by the compressed-audio player has got. The player window
// (TForm34) owns it and shows it in two of its edit boxes; the main window's music watch reads it to move on to the
// next track once, when a track has run out.
class TMusicState {
public:
    // Nobody yet, the compressed-audio player (its Play was pressed), or the system media player.
    enum class Holder : std::uint8_t { Nobody, CompressedPlayer, MediaPlayer };
    // The track started by the compressed-audio player: none yet, playing, run out, run out and taken notice of.
    enum class Track : std::uint8_t { None, Playing, RunOut, Noticed };

    Holder holder() const { return m_holder; }
    Track track() const { return m_track; }
    // True while the compressed-audio player holds the music: a track change stops it there first.
    bool Started() const { return m_holder == Holder::CompressedPlayer; }

    // Play was pressed in the compressed-audio player: it holds the music and its track plays.
    void Play();
    // The music went to the system media player; the compressed track's state stays as it was.
    void HandOver();
    // The track that was playing has run out; true when it was playing, so the run-out is told once.
    bool RunOut();
    // The music watch takes notice of a track that has run out: true once for each run-out.
    bool TakeRunOut();

    // What the player window shows: "YES" or "NO" for the holder, "PLAY", "STOP" or "WAIT" for the track, and
    // nothing before the first change.
    QString HolderText() const;
    QString TrackText() const;

    // Called after every change.
    std::function<void()> OnChanged;

private:
    void changed();

    Holder m_holder = Holder::Nobody;
    Track m_track = Track::None;
};
