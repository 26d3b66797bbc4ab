// Music files the audio tests make from a shipped track.
#pragma once

#include "TestHelpers.h"
#include "audio/MP3Util.h"

// The first frames of a shipped track: by default a short MP3 of about a second (a frame is 26 ms). Fails the test
// when the track is missing.
inline QByteArray ShortMP3(int frames = 40)
{
    const QByteArray track = ReadBytes(QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Soundtracks/Peremena.mp3"));
    const TFrameFound first = FindMPEGFrame(AsBytes(track), 0, FrameScanLimit);
    EXPECT_TRUE(first.found) << "Data/Soundtracks/Peremena.mp3 is missing or holds no MPEG frame";
    return first.found ? track.mid(qsizetype(first.offset), first.header.frameLength * frames) : QByteArray();
}

// An ID3v2.3 tag of exactly `size` bytes (at least 21): a title frame, then zero padding, as taggers leave room.
inline QByteArray ID3v2Tag(int size, const QByteArray& title)
{
    const int body = size - 10;
    QByteArray tag("ID3\x03\0\0", 6);
    for (int shift : { 21, 14, 7, 0 })
        tag += char((body >> shift) & 0x7F);
    const int content = int(title.size()) + 1;
    tag += QByteArray("TIT2", 4) + char(content >> 24) + char(content >> 16) + char(content >> 8) + char(content);
    tag += QByteArray(2, '\0') + '\0' + title;
    tag.resize(size, '\0');
    return tag;
}
