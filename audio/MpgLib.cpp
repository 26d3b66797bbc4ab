#include "audio/MpgLib.h"

#include "core/DataPath.h"

#include <QDir>

namespace {
QString& Folder()
{
    static QString folder;
    return folder;
}
}

void SetCodecFolder(const QString& folder) { Folder() = folder; }

bool LoadCodec(QLibrary& library, const QString& name)
{
    // A folder set on purpose is the only place looked in.
    if (Folder().isEmpty())
        return LoadOwnLibrary(library, name);
    library.setFileName(QDir(Folder()).filePath(name));
    return library.load();
}

bool MpgLib::Load()
{
    return load(QStringLiteral("MPGLib"), std::pair { "MpgLib_OpenStream", &OpenStream },
        std::pair { "MpgLib_DecodeChunk", &DecodeChunk }, std::pair { "MpgLib_CloseStream", &CloseStream },
        std::pair { "MpgLib_Version", &Version }, std::pair { "MpgLib_GetBitRate", &GetBitRate },
        std::pair { "MpgLib_Flush", &Flush });
}
