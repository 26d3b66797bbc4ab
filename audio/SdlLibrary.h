// SDL2 and SDL2_mixer, loaded at run time by name when the sound device is first opened. The game links neither:
// together they bring some thirty libraries (MIDI synthesis, the sound servers, module and FLAC readers, ...) that
// would otherwise all be loaded and bound before the first window, although no sound plays before the name window has
// closed. Their headers are still used for types, constants and macros; their functions are reached only through
// Sdl(), the one table of entry points below.
#pragma once

#include <QString>
#include <SDL.h>
#include <SDL_mixer.h>

// Every SDL and SDL_mixer function the game calls, named as the libraries name them. Mix_GetError is SDL_GetError.
struct SdlLibrary {
    // SDL2
    decltype(&::SDL_SetHint) SDL_SetHint = nullptr;
    decltype(&::SDL_InitSubSystem) SDL_InitSubSystem = nullptr;
    decltype(&::SDL_QuitSubSystem) SDL_QuitSubSystem = nullptr;
    decltype(&::SDL_GetError) SDL_GetError = nullptr;
    decltype(&::SDL_SetError) SDL_SetError = nullptr;
    decltype(&::SDL_GetTicks64) SDL_GetTicks64 = nullptr;
    decltype(&::SDL_AllocRW) SDL_AllocRW = nullptr;
    decltype(&::SDL_FreeRW) SDL_FreeRW = nullptr;
    decltype(&::SDL_NewAudioStream) SDL_NewAudioStream = nullptr;
    decltype(&::SDL_AudioStreamPut) SDL_AudioStreamPut = nullptr;
    decltype(&::SDL_AudioStreamGet) SDL_AudioStreamGet = nullptr;
    decltype(&::SDL_AudioStreamAvailable) SDL_AudioStreamAvailable = nullptr;
    decltype(&::SDL_AudioStreamFlush) SDL_AudioStreamFlush = nullptr;
    decltype(&::SDL_AudioStreamClear) SDL_AudioStreamClear = nullptr;
    decltype(&::SDL_FreeAudioStream) SDL_FreeAudioStream = nullptr;
    decltype(&::SDL_MixAudioFormat) SDL_MixAudioFormat = nullptr;
    // SDL2_mixer
    decltype(&::Mix_Init) Mix_Init = nullptr;
    decltype(&::Mix_Quit) Mix_Quit = nullptr;
    decltype(&::Mix_SetSoundFonts) Mix_SetSoundFonts = nullptr;
    decltype(&::Mix_OpenAudio) Mix_OpenAudio = nullptr;
    decltype(&::Mix_CloseAudio) Mix_CloseAudio = nullptr;
    decltype(&::Mix_QuerySpec) Mix_QuerySpec = nullptr;
    decltype(&::Mix_AllocateChannels) Mix_AllocateChannels = nullptr;
    decltype(&::Mix_SetPostMix) Mix_SetPostMix = nullptr;
    decltype(&::Mix_LoadWAV_RW) Mix_LoadWAV_RW = nullptr;
    decltype(&::Mix_LoadMUSType_RW) Mix_LoadMUSType_RW = nullptr;
    decltype(&::Mix_FreeChunk) Mix_FreeChunk = nullptr;
    decltype(&::Mix_FreeMusic) Mix_FreeMusic = nullptr;
    decltype(&::Mix_MusicDuration) Mix_MusicDuration = nullptr;
    decltype(&::Mix_PlayChannel) Mix_PlayChannel = nullptr;
    decltype(&::Mix_HaltChannel) Mix_HaltChannel = nullptr;
    decltype(&::Mix_Playing) Mix_Playing = nullptr;
    decltype(&::Mix_GetChunk) Mix_GetChunk = nullptr;
    decltype(&::Mix_PlayMusic) Mix_PlayMusic = nullptr;
    decltype(&::Mix_HaltMusic) Mix_HaltMusic = nullptr;
    decltype(&::Mix_PlayingMusic) Mix_PlayingMusic = nullptr;
    decltype(&::Mix_SetMusicPosition) Mix_SetMusicPosition = nullptr;
};

// Loads the two libraries, the mixer's after SDL's, and takes every entry point into `table`. Empty when all were
// found; otherwise why not (the library or the first entry point missing), with `table` left empty and neither
// library kept loaded by this call.
QString LoadSdlLibrary(const QString& sdlName, const QString& mixerName, SdlLibrary& table);

// The program's table: loaded once, on the first call, from SdlLibraryNames(); true when every entry point is there.
// The libraries then stay loaded until the program ends, since the sound thread runs in them.
bool LoadSdl();
// Why LoadSdl() failed; empty when it did not.
QString SdlProblem();
// The entry points; only to be called after LoadSdl() returned true (the sound device is open).
const SdlLibrary& Sdl();

// The program's table is loaded from the versioned names of SDL2 and SDL2_mixer, found through the system's library
// path. Tests point it at other names before the sound device is first opened.
void SetSdlLibraryNames(const QString& sdlName, const QString& mixerName);
