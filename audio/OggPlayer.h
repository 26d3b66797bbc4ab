// The music player component: opens an MP3 or Ogg Vorbis file, keeps the play state and decodes for the output.
#pragma once

#include "audio/AudioOut.h"
#include "audio/MP3Util.h"
#include "audio/MpgLib.h"
#include "audio/OggVorbis.h"
#include "audio/VorbisDll.h"

#include <QFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// Decoding runs on the thread that owns the player, in the output's buffer fill; the sound thread only reports
// played buffers. Nothing here waits or runs the message loop, so no click of the player is handled inside a call.
class TOggPlayer : public QObject {
    Q_OBJECT
public:
    enum State : std::uint8_t { NotInitialised = 0, Ready = 1, Opened = 2, Stopped = 3, Playing = 4, Paused = 5 };
    enum Kind { NoFile = 0, MP3 = 1, Ogg = 2 };

    explicit TOggPlayer(QObject* owner = nullptr);
    ~TOggPlayer() override;

    using TNotifyPosChangeEvent = std::function<void(TOggPlayer& sender, std::uint32_t newPos)>;
    using TNotifyEvent = std::function<void(TOggPlayer& sender)>;
    using TNotifyBitRateChangeEvent = std::function<void(TOggPlayer& sender, int bitRate)>;
    TNotifyPosChangeEvent OnPosChanged;
    TNotifyEvent OnPlayEnd;
    TNotifyEvent OnNewFFTData;
    TNotifyBitRateChangeEvent OnBitRateChange;

    // The priority of the owning thread while a file plays: steps 0 (idle) to 6 (time-critical), 5 by default.
    int Priority() const { return m_priority; }
    void SetPriority(int step);

    // Opens ".mp3" or ".ogg" (any letter case) when a codec is there, no file is open and the path names a regular
    // file (after following links).
    bool Open(const QString& fileName);
    // Pause stops decoding and lets the device play out what it holds; Stop silences the track at once.
    void Play();
    void Pause();
    void Resume();
    void Stop();
    void Close();
    // Jumps to `ms` (not beyond the duration) in the open file.
    void Seek(std::uint32_t ms);
    // The sound the device has played, in ms from the start of the track (counted from a seek's target).
    std::uint32_t Position();
    std::uint32_t Duration() const { return m_fileOpen ? m_duration : 0; }

    int State() const { return m_state; }
    Kind FileKind() const { return m_kind; }
    bool FileOpen() const { return m_fileOpen; }
    QString FileName() const { return m_fileName; }
    QString Title() const { return m_title; }
    QString Artist() const { return m_artist; }
    QString Album() const { return m_album; }
    QString Genre() const { return m_genre; }
    int Channels() const { return m_channels; }
    int SampleRate() const { return m_sampleRate; }
    int BitRate() const { return m_bitRate; } // bit/s
    QString Version() const { return m_version; }
    bool MP3Loaded() const { return m_mpg.Loaded(); }
    bool VorbisLoaded() const { return m_vorbis.Loaded(); }
    TAudioOut* AudioOut() const { return m_out.get(); }

private:
    bool fillBuffer(char* buffer, std::uint32_t& size);
    int decodeChunk(std::uint8_t* chunk, int capacity);
    int decodeMP3Chunk(std::uint8_t* chunk, int capacity);
    int decodeOggChunk(std::uint8_t* chunk, int capacity);
    void reportBitRate(int bitRate);
    void reportPosition(std::uint32_t ms);
    void played();
    // What happens when a track's output ends: at the file's end the track has run out.
    void finished();
    bool startOutput();
    std::uint32_t outputMs(std::uint64_t bytes) const;
    bool atEnd();
    void applyPriority(int step);
    void closeFile();

    std::uint8_t m_state = NotInitialised;
    MpgLib m_mpg;
    VorbisDll m_vorbis;
    bool m_mp3Ready = false;
    bool m_oggReady = false;
    Kind m_kind = NoFile;
    bool m_fileOpen = false;
    QString m_fileName;

    QFile m_stream;
    void* m_mpgStream = nullptr;
    std::int64_t m_dataStart = 0;
    std::int64_t m_dataEnd = 0;
    int m_nextReadLength = 0;
    TMPEGHeader m_frame;
    int m_skip = 0;

    int m_chunkSize = 4608;
    std::vector<std::uint8_t> m_chunks[2];
    std::vector<std::uint8_t> m_input;
    VbDecoder m_decoder {};
    VbInfo m_info {};

    QString m_title, m_artist, m_album, m_genre, m_version;
    int m_channels = 0;
    int m_sampleRate = 0;
    int m_bitRate = 0;
    std::uint32_t m_duration = 0;
    int m_lastTenths = -1;
    // Where in the track the output's current start began, and where the next one begins.
    std::uint32_t m_startedAt = 0;
    std::uint32_t m_nextStartAt = 0;
    int m_priority = 5;

    std::unique_ptr<TAudioOut> m_out;
    TOggVorbis m_tags;
};
