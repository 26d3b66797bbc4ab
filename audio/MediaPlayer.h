// The system media player: plays one file of any type the mixer knows (MIDI, WAV, OGG, MP3) in the background.
#pragma once

#include <QString>
#include <SDL_mixer.h>
#include <cstdint>

class SoundDevice;

// The most of a file the media player reads: far more than any music or clip of the game, far less than memory.
constexpr qint64 MaxMediaFileSize = 256 * 1024 * 1024;

// One player per use: the main window's music, each of the shooter's clips. WAV files are played as clips, so
// several can sound at once; every other type is played as the one music track of the device (a second player's
// music takes its place). Position and Length are in milliseconds, and Position equals Length exactly when the
// playback has run to its end; a track whose length the mixer cannot tell (MIDI) has its end where it stopped
// sounding, and until then it reports a length just past its position.
// Nothing here throws: without a sound device, or when the file cannot be opened, the player stays silent. So it does
// when the path does not name a regular file (after following links): a FIFO, a device or a folder is never opened.
class TMediaPlayer {
public:
    explicit TMediaPlayer(SoundDevice& device);
    // On the program's one device.
    TMediaPlayer();
    ~TMediaPlayer();
    TMediaPlayer(const TMediaPlayer&) = delete;
    TMediaPlayer& operator=(const TMediaPlayer&) = delete;

    // A game path ("Data\HL2\Pistol_fire.wav") or a path of the player's; it takes effect at the next Open.
    void SetFileName(const QString& fileName) { m_fileName = fileName; }
    QString FileName() const { return m_fileName; }

    // Opens the named file at position 0, closing the one before.
    void Open();
    bool IsOpen() const { return m_chunk != nullptr || m_music != nullptr; }
    // Starts playing from the current position and returns at once.
    void Play();
    // Stops playing; the position stays where it was.
    void Stop();
    // Sets the position to 0, ending what still sounds, so the next Play starts the file afresh.
    void Rewind();
    std::int64_t Position();
    std::int64_t Length();

private:
    void close();
    void halt();
    bool stillSounding() const;
    // Notices that the playback ran to its end.
    void update();
    std::int64_t elapsed() const;
    std::int64_t playingPosition() const;

    SoundDevice& m_device;
    QString m_fileName;
    Mix_Chunk* m_chunk = nullptr;
    Mix_Chunk m_tail {}; // the part of the clip from the position on, sharing the clip's samples
    Mix_Music* m_music = nullptr;
    std::int64_t m_length = -1; // -1: not known before the end
    std::int64_t m_position = 0; // while not playing
    bool m_playing = false;
    bool m_ended = false;
    int m_channel = -1;
    std::uint64_t m_startTicks = 0;
    std::int64_t m_startPosition = 0;
};
