#include "audio/SoundDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>
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
        Mix_SetPostMix(nullptr, nullptr);
        Mix_CloseAudio();
        Mix_Quit();
    }
    if (m_tried)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundDevice::open()
{
    if (m_tried)
        return m_open;
    m_tried = true;
    // The game ends itself on the desktop's signals (saving first); SDL would otherwise take SIGINT and SIGTERM and
    // turn them into quit events that nothing reads. The hint counts only before SDL starts.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "No sound: %s\n", SDL_GetError());
        return false;
    }
    if (!std::getenv("SDL_SOUNDFONTS"))
        Mix_SetSoundFonts(SoundFont);
    Mix_Init(MIX_INIT_MID | MIX_INIT_OGG | MIX_INIT_MP3);
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        std::fprintf(stderr, "No sound: %s\n", Mix_GetError());
        Mix_Quit();
        return false;
    }
    Mix_AllocateChannels(MixChannels);
    int channels = 0;
    Mix_QuerySpec(&m_frequency, &m_format, &channels);
    m_channels = channels;
    m_open = true;
    return true;
}

void SoundDevice::setPostMix(PostMix hook, void* context)
{
    if (m_open)
        Mix_SetPostMix(hook, context);
}
