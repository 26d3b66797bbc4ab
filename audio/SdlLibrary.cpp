#include "audio/SdlLibrary.h"

#include <QLibrary>

namespace {
struct Names {
    QString sdl = QStringLiteral("libSDL2-2.0.so.0");
    QString mixer = QStringLiteral("libSDL2_mixer-2.0.so.0");
};

Names& LibraryNames()
{
    static Names names;
    return names;
}

// The program's table. Plain pointers that nothing destroys: the sound device closes through them at the program's
// end, after other statics are gone.
SdlLibrary program;
bool tried = false;
bool loaded = false;

QString& Problem()
{
    static QString problem;
    return problem;
}

template <class Function> bool Take(QLibrary& library, const char* name, Function& entry, QString& problem)
{
    entry = reinterpret_cast<Function>(library.resolve(name));
    if (!entry)
        problem = QStringLiteral("%1 has no %2").arg(library.fileName(), QLatin1String(name));
    return entry != nullptr;
}
}

QString LoadSdlLibrary(const QString& sdlName, const QString& mixerName, SdlLibrary& table)
{
    QLibrary sdl(sdlName);
    if (!sdl.load())
        return sdl.errorString();
    QLibrary mixer(mixerName);
    if (!mixer.load()) {
        const QString problem = mixer.errorString();
        sdl.unload();
        return problem;
    }
    QString problem;
    SdlLibrary found;
#define TAKE(library, name) Take(library, #name, found.name, problem)
    const bool complete = TAKE(sdl, SDL_SetHint) && TAKE(sdl, SDL_InitSubSystem) && TAKE(sdl, SDL_QuitSubSystem)
        && TAKE(sdl, SDL_GetError) && TAKE(sdl, SDL_SetError) && TAKE(sdl, SDL_GetTicks64) && TAKE(sdl, SDL_AllocRW)
        && TAKE(sdl, SDL_FreeRW) && TAKE(sdl, SDL_NewAudioStream) && TAKE(sdl, SDL_AudioStreamPut)
        && TAKE(sdl, SDL_AudioStreamGet) && TAKE(sdl, SDL_AudioStreamAvailable) && TAKE(sdl, SDL_AudioStreamFlush)
        && TAKE(sdl, SDL_AudioStreamClear) && TAKE(sdl, SDL_FreeAudioStream) && TAKE(sdl, SDL_MixAudioFormat)
        && TAKE(mixer, Mix_Init) && TAKE(mixer, Mix_Quit) && TAKE(mixer, Mix_SetSoundFonts)
        && TAKE(mixer, Mix_OpenAudio) && TAKE(mixer, Mix_CloseAudio) && TAKE(mixer, Mix_QuerySpec)
        && TAKE(mixer, Mix_AllocateChannels) && TAKE(mixer, Mix_SetPostMix) && TAKE(mixer, Mix_LoadWAV_RW)
        && TAKE(mixer, Mix_LoadMUSType_RW) && TAKE(mixer, Mix_FreeChunk) && TAKE(mixer, Mix_FreeMusic)
        && TAKE(mixer, Mix_MusicDuration) && TAKE(mixer, Mix_PlayChannel) && TAKE(mixer, Mix_HaltChannel)
        && TAKE(mixer, Mix_Playing) && TAKE(mixer, Mix_GetChunk) && TAKE(mixer, Mix_PlayMusic)
        && TAKE(mixer, Mix_HaltMusic) && TAKE(mixer, Mix_PlayingMusic) && TAKE(mixer, Mix_SetMusicPosition);
#undef TAKE
    if (!complete) {
        mixer.unload();
        sdl.unload();
        return problem;
    }
    // A QLibrary going away leaves its library loaded.
    table = found;
    return QString();
}

bool LoadSdl()
{
    if (!tried) {
        tried = true;
        Problem() = LoadSdlLibrary(LibraryNames().sdl, LibraryNames().mixer, program);
        loaded = Problem().isEmpty();
    }
    return loaded;
}

QString SdlProblem() { return Problem(); }

const SdlLibrary& Sdl() { return program; }

void SetSdlLibraryNames(const QString& sdlName, const QString& mixerName)
{
    LibraryNames().sdl = sdlName;
    LibraryNames().mixer = mixerName;
}
