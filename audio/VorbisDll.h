// The Ogg Vorbis codec library, loaded at run time by name: the player works without it, silently.
#pragma once

#include "audio/MpgLib.h"

class VorbisDll : public CodecLibrary {
public:
    // Loads "Vorbis" and takes its entry points; false (and nothing usable) when the library or one of them is missing.
    bool Load();

    vbEncOpen_t EncOpen = nullptr;
    vbEncWrite_t EncWrite = nullptr;
    vbEncClose_t EncClose = nullptr;
    vbDecOpen_t DecOpen = nullptr;
    vbDecRead_t DecRead = nullptr;
    vbDecSeek_t DecSeek = nullptr;
    vbDecClose_t DecClose = nullptr;
    vbVersion_t Version = nullptr;
};
