// The MP3 codec library, loaded at run time by name: the player works without it, silently.
#pragma once

#include "audio/codecs/CodecApi.h"

#include <QLibrary>
#include <QString>
#include <utility>

// The folder the codec libraries are loaded from first: the executable's folder unless set otherwise.
void SetCodecFolder(const QString& folder);
// Loads a codec library by its name ("MPGLib", "Vorbis": libMPGLib.so, libVorbis.so) from the codec folder.
bool LoadCodec(QLibrary& library, const QString& name);

// A codec library and its entry points: loaded whole, or not at all.
class CodecLibrary {
public:
    bool Loaded() const { return m_loaded; }

protected:
    // Loads the library once and resolves each named entry point into its pointer; false when any is missing.
    template <class... Functions> bool load(const QString& name, std::pair<const char*, Functions*>... entries)
    {
        if (m_loaded)
            return true;
        if (!LoadCodec(m_library, name))
            return false;
        m_loaded = (take(entries) && ...);
        if (!m_loaded)
            m_library.unload();
        return m_loaded;
    }

private:
    template <class Function> bool take(std::pair<const char*, Function*> entry)
    {
        *entry.second = reinterpret_cast<Function>(m_library.resolve(entry.first));
        return *entry.second != nullptr;
    }

    QLibrary m_library;
    bool m_loaded = false;
};

class MpgLib : public CodecLibrary {
public:
    // Loads "MPGLib" and takes its entry points; false (and nothing usable) when the library or one of them is missing.
    bool Load();

    MpgLib_OpenStream_t OpenStream = nullptr;
    MpgLib_DecodeChunk_t DecodeChunk = nullptr;
    MpgLib_CloseStream_t CloseStream = nullptr;
    MpgLib_Version_t Version = nullptr;
    MpgLib_GetBitRate_t GetBitRate = nullptr;
    MpgLib_Flush_t Flush = nullptr;
};
