// The wave-out layer: a device that plays queued buffers of PCM, reporting each one done from the sound thread.
#pragma once

#include <cstdint>

// The player writes buffers with waveOutWrite and hears back through its callback, on the sound thread, once a
// buffer's bytes have been played (MM_WOM_DONE), besides MM_WOM_OPEN and MM_WOM_CLOSE. The buffers are mixed into
// the program's one sound device through its post-mix hook, converted to the device's rate and channels. Only one
// wave-out device can be open at a time.
using MMRESULT = unsigned;
constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_ERROR = 1;
constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
constexpr MMRESULT MMSYSERR_ALLOCATED = 4;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_NODRIVER = 6;
constexpr MMRESULT MMSYSERR_NOMEM = 7;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT WAVERR_BADFORMAT = 32;
constexpr MMRESULT WAVERR_STILLPLAYING = 33;
constexpr MMRESULT WAVERR_UNPREPARED = 34;

constexpr unsigned MM_WOM_OPEN = 0x3BB;
constexpr unsigned MM_WOM_CLOSE = 0x3BC;
constexpr unsigned MM_WOM_DONE = 0x3BD;

constexpr unsigned WAVE_MAPPER = unsigned(-1);
constexpr unsigned CALLBACK_FUNCTION = 0x00030000;
constexpr unsigned WAVE_ALLOWSYNC = 0x0002;
constexpr unsigned WHDR_DONE = 0x01;
constexpr unsigned WHDR_PREPARED = 0x02;
constexpr unsigned WHDR_INQUEUE = 0x10;
constexpr std::uint16_t WAVE_FORMAT_PCM = 1;

struct WAVEFORMATEX {
    std::uint16_t wFormatTag = WAVE_FORMAT_PCM;
    std::uint16_t nChannels = 2;
    std::uint32_t nSamplesPerSec = 44100;
    std::uint32_t nAvgBytesPerSec = 44100 * 4;
    std::uint16_t nBlockAlign = 4;
    std::uint16_t wBitsPerSample = 16;
};

struct WAVEHDR {
    char* lpData = nullptr;
    std::uint32_t dwBufferLength = 0;
    std::uint32_t dwFlags = 0;
    void* dwUser = nullptr;
};

struct WaveOutDevice;
using HWAVEOUT = WaveOutDevice*;
// Called with the device, the message, the instance given to waveOutOpen and, for MM_WOM_DONE, the header.
using WaveOutProc = void (*)(HWAVEOUT device, unsigned message, void* instance, WAVEHDR* header);

// 1 when the program has a sound device, otherwise 0 (opening the device is tried on the first call).
unsigned waveOutGetNumDevs();
MMRESULT waveOutOpen(HWAVEOUT* device, unsigned deviceId, const WAVEFORMATEX* format, WaveOutProc callback,
    void* instance, unsigned flags);
MMRESULT waveOutPrepareHeader(HWAVEOUT device, WAVEHDR* header);
MMRESULT waveOutUnprepareHeader(HWAVEOUT device, WAVEHDR* header);
// Queues a prepared buffer; a buffer still queued is refused (WAVERR_STILLPLAYING).
MMRESULT waveOutWrite(HWAVEOUT device, WAVEHDR* header);
// Drops every queued buffer, reporting each as done; once it returns, no report of an earlier buffer follows.
MMRESULT waveOutReset(HWAVEOUT device);
// The bytes of the buffers played to their end since the device was opened or last reset.
MMRESULT waveOutGetPosition(HWAVEOUT device, std::uint64_t* bytes);
// Fails with WAVERR_STILLPLAYING while buffers are queued: the device stays open.
MMRESULT waveOutClose(HWAVEOUT device);
// The text of an error code.
const char* waveOutGetErrorText(MMRESULT error);
