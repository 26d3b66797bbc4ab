#include "audio/VorbisDll.h"

bool VorbisDll::Load()
{
    return load(QStringLiteral("Vorbis"), std::pair { "vbEncOpen", &EncOpen }, std::pair { "vbEncWrite", &EncWrite },
        std::pair { "vbEncClose", &EncClose }, std::pair { "vbDecOpen", &DecOpen }, std::pair { "vbDecRead", &DecRead },
        std::pair { "vbDecSeek", &DecSeek }, std::pair { "vbDecClose", &DecClose },
        std::pair { "vbVersion", &Version });
}
