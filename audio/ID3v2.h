// The ID3v2 tag at the start of a music file: its size and its text frames.
#pragma once

#include "audio/MP3Util.h"

#include <QString>

// The size of the ID3v2 tag the bytes begin with, header and footer included; 0 without one, or when the size it
// claims goes beyond the bytes.
std::int64_t ID3v2TagSize(ByteSpan bytes);

class TID3v2 {
public:
    // Reads the tag from the file's bytes; anything malformed leaves the tag not existing or its values empty.
    void Read(ByteSpan bytes);
    void ReadFile(const QString& path);

    bool Exists = false;
    int VersionID = 0; // the major version: 2, 3 or 4
    std::int64_t Size = 0; // header and footer included
    QString Title, Artist, Album, Year, Genre, Comment, Composer, Encoder, Copyright, Language, Link;
    int Track = 0;
};
