#include "audio/MpgLib.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& Folder()
{
    static QString folder;
    return folder;
}
}

QString CodecFolder() { return Folder().isEmpty() ? QCoreApplication::applicationDirPath() : Folder(); }

void SetCodecFolder(const QString& folder) { Folder() = folder; }

bool LoadCodec(QLibrary& library, const QString& name)
{
    // Beside the program when it runs from its build folder; an installed game finds them through its run path,
    // in its own library folder, by the bare name. A folder set on purpose is the only place looked in.
    library.setFileName(QDir(CodecFolder()).filePath(name));
    if (library.load() || !Folder().isEmpty())
        return library.isLoaded();
    library.setFileName(name);
    return library.load();
}

bool MpgLib::Load()
{
    return load(QStringLiteral("MPGLib"), std::pair { "MpgLib_OpenStream", &OpenStream },
        std::pair { "MpgLib_DecodeChunk", &DecodeChunk }, std::pair { "MpgLib_CloseStream", &CloseStream },
        std::pair { "MpgLib_Version", &Version }, std::pair { "MpgLib_GetBitRate", &GetBitRate },
        std::pair { "MpgLib_Flush", &Flush });
}
