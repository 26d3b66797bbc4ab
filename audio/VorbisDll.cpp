#include "audio/VorbisDll.h"

namespace {
template <class Function> bool Take(QLibrary& library, const char* name, Function& target)
{
    target = reinterpret_cast<Function>(library.resolve(name));
    return target != nullptr;
}
}

bool VorbisDll::Load()
{
    if (m_loaded)
        return true;
    if (!LoadCodec(m_library, QStringLiteral("Vorbis")))
        return false;
    m_loaded = Take(m_library, "vbEncOpen", EncOpen) && Take(m_library, "vbEncWrite", EncWrite)
        && Take(m_library, "vbEncClose", EncClose) && Take(m_library, "vbDecOpen", DecOpen)
        && Take(m_library, "vbDecRead", DecRead) && Take(m_library, "vbDecSeek", DecSeek)
        && Take(m_library, "vbDecClose", DecClose) && Take(m_library, "vbVersion", Version);
    if (!m_loaded)
        m_library.unload();
    return m_loaded;
}
