#include "audio/MpgLib.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& Folder()
{
    static QString folder;
    return folder;
}

template <class Function> bool Take(QLibrary& library, const char* name, Function& target)
{
    target = reinterpret_cast<Function>(library.resolve(name));
    return target != nullptr;
}
}

QString CodecFolder() { return Folder().isEmpty() ? QCoreApplication::applicationDirPath() : Folder(); }

void SetCodecFolder(const QString& folder) { Folder() = folder; }

bool LoadCodec(QLibrary& library, const QString& name)
{
    library.setFileName(QDir(CodecFolder()).filePath(name));
    return library.load();
}

bool MpgLib::Load()
{
    if (m_loaded)
        return true;
    if (!LoadCodec(m_library, QStringLiteral("MPGLib")))
        return false;
    m_loaded = Take(m_library, "MpgLib_OpenStream", OpenStream) && Take(m_library, "MpgLib_DecodeChunk", DecodeChunk)
        && Take(m_library, "MpgLib_CloseStream", CloseStream) && Take(m_library, "MpgLib_Version", Version)
        && Take(m_library, "MpgLib_GetBitRate", GetBitRate) && Take(m_library, "MpgLib_Flush", Flush);
    if (!m_loaded)
        m_library.unload();
    return m_loaded;
}
