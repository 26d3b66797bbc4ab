// The MP3 codec library, loaded at run time by name: the player works without it, silently.
#pragma once

#include "audio/codecs/CodecApi.h"

#include <QLibrary>
#include <QString>

// The folder the codec libraries are loaded from first: the executable's folder unless set otherwise.
QString CodecFolder();
void SetCodecFolder(const QString& folder);
// Loads a codec library by its name ("MPGLib", "Vorbis": libMPGLib.so, libVorbis.so) from the codec folder.
bool LoadCodec(QLibrary& library, const QString& name);

class MpgLib {
public:
    // Loads "MPGLib" and takes its entry points; false (and nothing usable) when the library or one of them is missing.
    bool Load();
    bool Loaded() const { return m_loaded; }

    MpgLib_OpenStream_t OpenStream = nullptr;
    MpgLib_DecodeChunk_t DecodeChunk = nullptr;
    MpgLib_CloseStream_t CloseStream = nullptr;
    MpgLib_Version_t Version = nullptr;
    MpgLib_GetBitRate_t GetBitRate = nullptr;
    MpgLib_Flush_t Flush = nullptr;

private:
    QLibrary m_library;
    bool m_loaded = false;
};
