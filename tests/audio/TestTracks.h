// Music files the audio tests make from a shipped track.
#pragma once

#include "TestHelpers.h"
#include "audio/MP3Util.h"

#include <QProcess>
#include <cmath>

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

// An MP3 made by lame from `seconds` of stereo music at 44100 Hz (a tone that wanders, loud and soft by turns, so that
// a variable bit rate really varies), with lame's own options ("-V5", "-b 128", "-t" for no Xing frame). Empty, and
// the test failed, when lame cannot be run.
inline QByteArray LameMP3(const QString& folder, const QStringList& options, double seconds = 2)
{
    const int frames = int(seconds * 44100);
    QByteArray wav("RIFF\0\0\0\0WAVEfmt ", 16);
    const auto put = [&wav](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wav += char(value >> (8 * i));
    };
    put(16, 4), put(1, 2), put(2, 2), put(44100, 4), put(44100 * 4, 4), put(4, 2), put(16, 2);
    wav += "data";
    put(std::uint32_t(frames * 4), 4);
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / 44100;
        const double loud = std::fmod(t, 0.5) < 0.25 ? 0.6 : 0.05;
        const double left = loud * std::sin(2 * M_PI * (220 + 660 * t) * t) + 0.1 * std::sin(2 * M_PI * 3100 * t * t);
        const double right = loud * std::sin(2 * M_PI * (330 + 990 * std::sin(t)) * t);
        put(std::uint32_t(std::int16_t(20000 * left)), 2), put(std::uint32_t(std::int16_t(20000 * right)), 2);
    }
    const QString in = folder + "/lame-in.wav", out = folder + "/lame-out.mp3";
    WriteBytes(in, wav);
    QProcess lame;
    lame.start(QStringLiteral("lame"), QStringList { "--quiet" } + options + QStringList { in, out });
    const bool ran
        = lame.waitForFinished(PatientWait) && lame.exitStatus() == QProcess::NormalExit && lame.exitCode() == 0;
    EXPECT_TRUE(ran) << "lame " << options.join(' ').toStdString()
                     << " did not run (tools/install-deps.sh installs it)";
    return ran ? ReadBytes(out) : QByteArray();
}
