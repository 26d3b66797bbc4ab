// Ogg Vorbis stream facts: channels, rate, nominal bit rate, total samples and the comment tags.
#pragma once

#include "audio/ID3v2.h"

#include <QString>

class TOggVorbis {
public:
    // Reads the facts of the file's bytes (after any leading ID3v2 tag); a malformed file is not valid.
    void Read(ByteSpan bytes);
    void ReadFile(const QString& path);

    bool Valid = false;
    std::int64_t FileSize = 0;
    int Channels = 0; // 1 or 2, otherwise 0
    int SampleRate = 0; // 8000..48000, otherwise 0
    int BitRateNominal = 0; // kbit/s
    std::int64_t Samples = 0;
    QString Title, Artist, Album, Date, Genre, Comment, Vendor;
    int Track = 0;
    TID3v2 ID3v2;
};

// Decodes UTF-8 of one-, two- and three-byte sequences; anything else ends the text there.
QString DecodeVorbisText(const QByteArray& bytes);
