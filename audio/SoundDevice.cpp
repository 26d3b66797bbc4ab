#include "audio/SoundDevice.h"

#include "audio/SdlLibrary.h"

#include <cstdio>
#include <cstdlib>

namespace {
// The General MIDI sound font the MIDI music is played with, unless the player's system names another.
const char* const SoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
// Short clips (shots) may sound on top of each other and of the music.
constexpr int MixChannels = 16;
}

SoundDevice& SoundDevice::Shared()
{
    static SoundDevice device;
    return device;
}

SoundDevice::~SoundDevice()
{
    if (m_open) {
        Sdl().Mix_SetPostMix(nullptr, nullptr);
        Sdl().Mix_CloseAudio();
        Sdl().Mix_Quit();
    }
    if (m_started)
        Sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundDevice::Open()
{
    if (m_tried)
        return m_open;
    m_tried = true;
    // The sound libraries are loaded only now; without them the game runs silently, as without a sound device.
    if (!LoadSdl()) {
        std::fprintf(stderr, "No sound: %s\n", qPrintable(SdlProblem()));
        return false;
    }
    const SdlLibrary& sdl = Sdl();
    // The game ends itself on the desktop's signals (saving first); SDL would otherwise take SIGINT and SIGTERM and
    // turn them into quit events that nothing reads. The hint counts only before SDL starts.
    sdl.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl.SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "No sound: %s\n", sdl.SDL_GetError());
        return false;
    }
    m_started = true;
    if (!std::getenv("SDL_SOUNDFONTS"))
        sdl.Mix_SetSoundFonts(SoundFont);
    sdl.Mix_Init(MIX_INIT_MID | MIX_INIT_OGG | MIX_INIT_MP3);
    if (sdl.Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        std::fprintf(stderr, "No sound: %s\n", sdl.SDL_GetError());
        sdl.Mix_Quit();
        return false;
    }
    sdl.Mix_AllocateChannels(MixChannels);
    int channels = 0;
    sdl.Mix_QuerySpec(&m_frequency, &m_format, &channels);
    m_channels = channels;
    m_open = true;
    return true;
}

void SoundDevice::SetPostMix(PostMix hook, void* context)
{
    if (m_open)
        Sdl().Mix_SetPostMix(hook, context);
}
