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
    // A folder set on purpose is the only place looked in; otherwise the game's own library folders.
    const QStringList folders = Folder().isEmpty() ? RuntimeLibraryFolders() : QStringList { Folder() };
    for (const QString& folder : folders) {
        library.setFileName(QDir(folder).filePath(name));
        if (library.load())
            return true;
    }
    return false;
}

bool MpgLib::Load()
{
    return load(QStringLiteral("MPGLib"), std::pair { "MpgLib_OpenStream", &OpenStream },
        std::pair { "MpgLib_DecodeChunk", &DecodeChunk }, std::pair { "MpgLib_CloseStream", &CloseStream },
        std::pair { "MpgLib_Version", &Version }, std::pair { "MpgLib_GetBitRate", &GetBitRate },
        std::pair { "MpgLib_Flush", &Flush });
}
