#include "audio/WaveOut.h"

#include "audio/SdlLibrary.h"
#include "audio/SoundDevice.h"

#include <cstring>
#include <deque>
#include <mutex>
#include <vector>

struct WaveOutDevice {
    WaveOutProc callback = nullptr;
    void* instance = nullptr;
    SDL_AudioStream* stream = nullptr;
    SDL_AudioFormat deviceFormat = AUDIO_S16SYS;
    std::mutex lock;
    // Buffers waiting to be converted, and those converted whose bytes are still in the stream, each with the
    // count of converted bytes that must be played before it is done.
    std::deque<WAVEHDR*> waiting;
    struct Converting {
        WAVEHDR* header;
        std::int64_t doneAt;
    };
    std::deque<Converting> converting;
    std::int64_t converted = 0; // converted bytes made so far
    std::int64_t played = 0; // converted bytes played so far
    std::vector<std::uint8_t> mixBuffer;
};

namespace {
WaveOutDevice* openDevice = nullptr;

// On the sound thread: plays what is queued into the device's mixed output.
void PostMix(void* context, std::uint8_t* output, int length)
{
    auto* device = static_cast<WaveOutDevice*>(context);
    std::vector<WAVEHDR*> done;
    {
        std::lock_guard guard(device->lock);
        // Convert queued buffers until there is enough for this output, or nothing more.
        while (Sdl().SDL_AudioStreamAvailable(device->stream) < length && !device->waiting.empty()) {
            WAVEHDR* header = device->waiting.front();
            device->waiting.pop_front();
            Sdl().SDL_AudioStreamPut(device->stream, header->lpData, int(header->dwBufferLength));
            if (device->waiting.empty())
                Sdl().SDL_AudioStreamFlush(device->stream);
            device->converted = device->played + Sdl().SDL_AudioStreamAvailable(device->stream);
            device->converting.push_back({ header, device->converted });
        }
        device->mixBuffer.resize(std::size_t(length));
        const int got = Sdl().SDL_AudioStreamGet(device->stream, device->mixBuffer.data(), length);
        if (got > 0) {
            Sdl().SDL_MixAudioFormat(
                output, device->mixBuffer.data(), device->deviceFormat, Uint32(got), SDL_MIX_MAXVOLUME);
            device->played += got;
        }
        while (!device->converting.empty() && device->converting.front().doneAt <= device->played) {
            WAVEHDR* header = device->converting.front().header;
            device->converting.pop_front();
            header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
            done.push_back(header);
        }
    }
    for (WAVEHDR* header : done)
        device->callback(device, MM_WOM_DONE, device->instance, header);
}
}

unsigned waveOutGetNumDevs() { return SoundDevice::Shared().Open() ? 1 : 0; }

MMRESULT waveOutOpen(HWAVEOUT* result, unsigned deviceId, const WAVEFORMATEX* format, WaveOutProc callback,
    void* instance, unsigned flags)
{
    if (!result || !format || !callback || !(flags & CALLBACK_FUNCTION))
        return MMSYSERR_INVALPARAM;
    *result = nullptr;
    if (deviceId != WAVE_MAPPER && deviceId != 0)
        return MMSYSERR_BADDEVICEID;
    SoundDevice& sound = SoundDevice::Shared();
    if (!sound.Open())
        return MMSYSERR_NODRIVER;
    if (openDevice)
        return MMSYSERR_ALLOCATED;
    if (format->wFormatTag != WAVE_FORMAT_PCM || format->nChannels < 1 || format->nChannels > 2
        || (format->wBitsPerSample != 8 && format->wBitsPerSample != 16) || format->nSamplesPerSec < 1000)
        return WAVERR_BADFORMAT;
    auto* device = new WaveOutDevice;
    device->callback = callback;
    device->instance = instance;
    device->deviceFormat = sound.format();
    device->stream
        = Sdl().SDL_NewAudioStream(format->wBitsPerSample == 16 ? AUDIO_S16SYS : AUDIO_U8, Uint8(format->nChannels),
            int(format->nSamplesPerSec), sound.format(), Uint8(sound.channels()), sound.frequency());
    if (!device->stream) {
        delete device;
        return MMSYSERR_NOMEM;
    }
    openDevice = device;
    *result = device;
    callback(device, MM_WOM_OPEN, instance, nullptr);
    sound.SetPostMix(&PostMix, device);
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutPrepareHeader(HWAVEOUT device, WAVEHDR* header)
{
    if (!device || device != openDevice)
        return MMSYSERR_INVALHANDLE;
    if (!header || !header->lpData)
        return MMSYSERR_INVALPARAM;
    header->dwFlags |= WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutUnprepareHeader(HWAVEOUT device, WAVEHDR* header)
{
    if (!device || device != openDevice)
        return MMSYSERR_INVALHANDLE;
    if (!header)
        return MMSYSERR_INVALPARAM;
    std::lock_guard guard(device->lock);
    if (header->dwFlags & WHDR_INQUEUE)
        return WAVERR_STILLPLAYING;
    header->dwFlags &= ~WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutWrite(HWAVEOUT device, WAVEHDR* header)
{
    if (!device || device != openDevice)
        return MMSYSERR_INVALHANDLE;
    if (!header || !header->lpData)
        return MMSYSERR_INVALPARAM;
    if (!(header->dwFlags & WHDR_PREPARED))
        return WAVERR_UNPREPARED;
    std::lock_guard guard(device->lock);
    // A buffer the device still holds is not queued a second time.
    if (header->dwFlags & WHDR_INQUEUE)
        return WAVERR_STILLPLAYING;
    header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
    device->waiting.push_back(header);
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutReset(HWAVEOUT device)
{
    if (!device || device != openDevice)
        return MMSYSERR_INVALHANDLE;
    std::vector<WAVEHDR*> done;
    {
        std::lock_guard guard(device->lock);
        for (auto& entry : device->converting)
            done.push_back(entry.header);
        for (WAVEHDR* header : device->waiting)
            done.push_back(header);
        device->converting.clear();
        device->waiting.clear();
        Sdl().SDL_AudioStreamClear(device->stream);
        device->converted = device->played = 0;
        for (WAVEHDR* header : done)
            header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
    }
    // Setting the hook again waits for the sound thread to leave it: buffers it had already played are reported
    // before this returns, so no report of this device comes after the reset.
    SoundDevice::Shared().SetPostMix(&PostMix, device);
    for (WAVEHDR* header : done)
        device->callback(device, MM_WOM_DONE, device->instance, header);
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutClose(HWAVEOUT device)
{
    if (!device || device != openDevice)
        return MMSYSERR_INVALHANDLE;
    {
        std::lock_guard guard(device->lock);
        if (!device->waiting.empty() || !device->converting.empty())
            return WAVERR_STILLPLAYING;
    }
    // Taking the hook away waits for the sound thread to leave it.
    SoundDevice::Shared().SetPostMix(nullptr, nullptr);
    openDevice = nullptr;
    device->callback(device, MM_WOM_CLOSE, device->instance, nullptr);
    Sdl().SDL_FreeAudioStream(device->stream);
    delete device;
    return MMSYSERR_NOERROR;
}

const char* waveOutGetErrorText(MMRESULT error)
{
    switch (error) {
    case MMSYSERR_NOERROR:
        return "The command completed successfully.";
    case MMSYSERR_BADDEVICEID:
        return "The device identifier is out of range.";
    case MMSYSERR_ALLOCATED:
        return "The device is already in use.";
    case MMSYSERR_INVALHANDLE:
        return "The device handle is invalid.";
    case MMSYSERR_NODRIVER:
        return "There is no sound device.";
    case MMSYSERR_NOMEM:
        return "Not enough memory for the sound device.";
    case MMSYSERR_INVALPARAM:
        return "An invalid parameter was passed.";
    case WAVERR_BADFORMAT:
        return "The wave format is not supported.";
    case WAVERR_STILLPLAYING:
        return "Buffers are still playing.";
    case WAVERR_UNPREPARED:
        return "The buffer is not prepared.";
    default:
        return "Undefined external error.";
    }
}
