// The output of the music player: feeds PCM to the wave-out device through a ring of eight buffers.
#pragma once

#include "audio/WaveOut.h"

#include <QObject>
#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <vector>

enum class TChannels { Mono, Stereo };
enum class TBPS { _8, _16 };

class TAudioOut;

// What the output owns: the format, the eight buffers with their headers, the device and its flags.
struct TPlayer {
    static constexpr int BufferCount = 8;
    WAVEFORMATEX format;
    std::array<WAVEHDR, BufferCount> headers {};
    std::array<std::vector<char>, BufferCount> buffers;
    // Which buffers the device holds: set before a buffer is written, cleared when the device reports it played.
    std::array<std::atomic<bool>, BufferCount> inDevice {};
    // The device, kept until it has really been closed, and the format it was opened with.
    HWAVEOUT device = nullptr;
    WAVEFORMATEX deviceFormat;
    std::atomic<bool> deviceOpen = false;
    std::atomic<bool> feeding = false;
    bool priming = false;
    int ring = 0;
    std::atomic<int> queued = 0;
    // Counts the starts: what the sound thread reported for buffers of an earlier start is not acted on.
    std::atomic<unsigned> start = 0;
};

class TAudioOut : public QObject {
    Q_OBJECT
public:
    explicit TAudioOut(QObject* owner = nullptr);
    ~TAudioOut() override;

    // Asks the owner to fill one buffer of at most `size` bytes; sets `size` to the bytes written, true if any.
    using TNotifyBufferPlayedEvent = std::function<bool(TAudioOut& sender, char* buffer, std::uint32_t& size)>;
    // The device has been closed after the last buffer was played.
    using TNotifyPlayedEvent = std::function<void(TAudioOut& sender)>;
    TNotifyBufferPlayedEvent OnBufferPlayed;
    TNotifyPlayedEvent OnPlayed;

    int AudioDeviceID() const { return m_deviceId; }
    // 0..9, any other value is the default device (-1).
    void SetAudioDeviceID(int id);
    TChannels Channels() const { return m_channels; }
    void SetChannels(TChannels channels);
    TBPS BitsPerSample() const { return m_bits; }
    void SetBitsPerSample(TBPS bits);
    int SampleRate() const { return m_sampleRate; }
    void SetSampleRate(int rate);
    int NoSamples() const { return m_noSamples; }
    void SetNoSamples(int samples);
    QString Version() const { return QStringLiteral("4.1 (32bit)"); }
    // True once the buffers exist (never without a sound device).
    bool ReadyToGo() const { return m_ready; }
    // Bytes in each buffer.
    int BufferSize() const;
    // The last failure of the output, as text; empty when none.
    QString LastError() const { return m_lastError; }

    // Opens the device if needed (again when the format has changed), drops whatever an earlier start left in it,
    // primes the buffers through OnBufferPlayed and queues them; true when any is queued.
    bool Start();
    bool Feeding() const { return m_player.feeding; }
    // Lets the queued buffers run out without refilling them.
    void StopFeeding() { m_player.feeding = false; }
    // Stops feeding and drops every buffer still queued; the device then closes as when the last buffer was played.
    void Reset();
    int Queued() const { return m_player.queued; }
    // Bytes handed to the device since the last start, and of those the bytes it has played.
    std::uint64_t Written() const { return m_written; }
    std::uint64_t Played() const;
    // True while the output holds a device: from its opening until it has been closed.
    bool DeviceOpen() const { return m_player.device != nullptr; }

private:
    static void DeviceCallback(HWAVEOUT device, unsigned message, void* instance, WAVEHDR* header);
    void allocate();
    bool openDevice();
    void write(int index);
    void bufferDone(unsigned start);
    void deviceDone(unsigned start);
    bool closeDevice();

    TPlayer m_player;
    int m_deviceId = -1;
    TChannels m_channels = TChannels::Stereo;
    TBPS m_bits = TBPS::_16;
    int m_sampleRate = 44100;
    int m_noSamples = 8192;
    bool m_ready = false;
    QString m_lastError;
    std::uint64_t m_written = 0;
    // What the device had played when it was closed.
    std::uint64_t m_playedAtClose = 0;
};
