// The system media player over the one sound device: clips play to their end and restart, music without a known
// length ends when it stops sounding, and without a device or a file everything stays silent.
#include "audio/MediaPlayer.h"
#include "TestHelpers.h"
#include "audio/SoundDevice.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

namespace {
const char* const SourceDir = TRAMBUL_SOURCE_DIR;

// The repository's own clip, by an absolute path.
QString Clip(const char* name) { return QString::fromUtf8(SourceDir) + QStringLiteral("/Data/HL2/") + U(name); }

// The sound device is opened once per program: a test that needs a particular driver runs in a program of its own
// (CTest runs every test so) and is skipped when an earlier test already opened the device.
bool DeviceStillUnopened(const char* driver)
{
    if (SoundDevice::Shared().WasTried())
        return false;
    qputenv("SDL_AUDIODRIVER", driver);
    return true;
}

// Waits, letting the sound play, until the player reports its end or the time is up.
bool WaitForEnd(TMediaPlayer& player, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        if (player.Position() == player.Length())
            return true;
        QThread::msleep(20);
    }
    return false;
}

// A MIDI file of one short note: the mixer cannot tell such a file's length before it has been played.
QByteArray ShortMidi()
{
    const unsigned char bytes[] = { 'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, //
        'M', 'T', 'r', 'k', 0, 0, 0, 13, //
        0x00, 0x90, 60, 100, // note on
        0x30, 0x80, 60, 0, // note off after half a beat
        0x00, 0xFF, 0x2F, 0x00, 0x00 };
    QByteArray midi(reinterpret_cast<const char*>(bytes), sizeof bytes);
    midi[21] = char(midi.size() - 22); // the track's length
    return midi;
}
}

TEST(MediaPlayerTest, WithoutASoundDeviceEveryOperationIsSilent)
{
    if (!DeviceStillUnopened("no-such-driver"))
        GTEST_SKIP() << "the sound device was opened by an earlier test";
    TMediaPlayer player;
    player.SetFileName(Clip("Pistol_fire.wav"));
    player.Open();
    player.Play();
    player.Rewind();
    player.Play();
    player.Stop();
    EXPECT_FALSE(SoundDevice::Shared().IsOpen());
    EXPECT_FALSE(player.IsOpen());
    // Nothing plays, so nothing ever ends: a music watch never moves on by itself.
    EXPECT_EQ(player.Position(), 0);
    EXPECT_NE(player.Position(), player.Length());
}

TEST(MediaPlayerTest, AClipPlaysToItsEndAndRestartsFromTheStart)
{
    TMediaPlayer player;
    player.SetFileName(Clip("Pistol_fire.wav"));
    player.Open();
    if (!SoundDevice::Shared().IsOpen())
        GTEST_SKIP() << "no sound device";
    ASSERT_TRUE(player.IsOpen());
    // 16-bit mono at 22050 Hz after the 44-byte header.
    const qint64 fileMs = (QFileInfo(Clip("Pistol_fire.wav")).size() - 44) / 2 * 1000 / 22050;
    EXPECT_NEAR(double(player.Length()), double(fileMs), 30.0);
    EXPECT_EQ(player.Position(), 0);

    player.Play();
    EXPECT_LT(player.Position(), player.Length());
    ASSERT_TRUE(WaitForEnd(player, int(player.Length()) + PatientWait));

    // The shooter rewinds before every shot, even while the last one still sounds.
    player.Rewind();
    EXPECT_EQ(player.Position(), 0);
    player.Play();
    player.Rewind();
    player.Play();
    EXPECT_LT(player.Position(), player.Length());
    player.Stop();
    EXPECT_LT(player.Position(), player.Length()) << "a stopped clip has not ended";
}

TEST(MediaPlayerTest, MusicWithoutAKnownLengthEndsWhenItStopsSounding)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("note.mid"));
    WriteBytes(path, ShortMidi());
    TMediaPlayer player;
    player.SetFileName(path);
    player.Open();
    if (!SoundDevice::Shared().IsOpen())
        GTEST_SKIP() << "no sound device";
    ASSERT_TRUE(player.IsOpen());
    player.Play();
    EXPECT_NE(player.Position(), player.Length());
    EXPECT_TRUE(WaitForEnd(player, PatientWait));
    // Opening again starts at the beginning of a track that has not ended.
    player.Open();
    EXPECT_EQ(player.Position(), 0);
    EXPECT_NE(player.Position(), player.Length());
}

TEST(MediaPlayerTest, AFileThatCannotBeOpenedLeavesThePlayerSilent)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.wav"));
    WriteBytes(broken, "RIFF this is no sound");
    for (const QString& name : { dir.filePath(QStringLiteral("missing.mid")), broken, QString() }) {
        TMediaPlayer player;
        player.SetFileName(name);
        player.Open();
        player.Rewind();
        player.Play();
        player.Stop();
        EXPECT_FALSE(player.IsOpen()) << name.toStdString();
        EXPECT_NE(player.Position(), player.Length()) << name.toStdString();
    }
}

TEST(SoundDeviceTest, AClipReachesTheDevice)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("device.raw"));
    if (!DeviceStillUnopened("disk"))
        GTEST_SKIP() << "the sound device was opened by an earlier test";
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output));
    TMediaPlayer player;
    player.SetFileName(Clip("Zombie_die.wav"));
    player.Open();
    ASSERT_TRUE(SoundDevice::Shared().IsOpen());
    player.Play();
    ASSERT_TRUE(WaitForEnd(player, int(player.Length()) + PatientWait));
    QThread::msleep(200);
    const QByteArray written = ReadBytes(output);
    EXPECT_GT(written.size(), 0);
    EXPECT_GT(written.count('\0'), 0);
    EXPECT_LT(written.count('\0'), written.size()) << "only silence reached the device";
}
