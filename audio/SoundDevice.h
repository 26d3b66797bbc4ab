// The one sound device of the program: opened once, on first need, and shared by everything that makes sound.
#pragma once

#include <cstdint>

// The media players play through it; the compressed-audio player mixes its own buffers into the same device through
// the post-mix hook, because the device can be opened only once. When there is no sound device at all, Open() says
// so once and everything stays silent.
class SoundDevice {
public:
    // The device of the program.
    static SoundDevice& Shared();

    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;
    ~SoundDevice();

    // Opens the device the first time it is asked (later calls only report); true when there is sound.
    bool Open();
    bool IsOpen() const { return m_open; }
    // Whether opening has been tried, with or without success.
    bool WasTried() const { return m_tried; }

    // What the device plays: samples per second, SDL's sample format and the number of channels (valid when open).
    int frequency() const { return m_frequency; }
    std::uint16_t format() const { return m_format; }
    int channels() const { return m_channels; }

    // A hook that gets the device's mixed output buffer after the media players have played into it, called on the
    // sound thread. Null removes it. Nothing happens without a device.
    using PostMix = void (*)(void* context, std::uint8_t* stream, int length);
    void SetPostMix(PostMix hook, void* context);

private:
    SoundDevice() = default;

    bool m_tried = false;
    bool m_started = false; // SDL's audio started (its libraries are loaded)
    bool m_open = false;
    int m_frequency = 0;
    std::uint16_t m_format = 0;
    int m_channels = 0;
};
