// The music player over our codec libraries and the wave-out layer, playing into SDL's disk driver.
#include "audio/OggPlayer.h"
#include "GameFixture.h"
#include "TestHelpers.h"
#include "TestTracks.h"
#include "audio/OggTest.h"
#include "audio/SoundDevice.h"
#include "core/TextFile.h"
#include "game/Unit1.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace {
QString BuildFolder() { return QDir(QCoreApplication::applicationDirPath() + "/..").absolutePath(); }

// Runs the message loop until `done` holds or the time is up.
bool RunUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return done();
}

// Two seconds of a 440 Hz tone, mono at 22050 Hz, made with our Vorbis encoder.
bool MakeShortOgg(VorbisDll& vorbis, const QString& path)
{
    void* encoder = vorbis.EncOpen(QFile::encodeName(path).constData(), 1, 22050, 0.3f);
    if (!encoder)
        return false;
    std::vector<std::int16_t> tone(2 * 22050);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = std::int16_t(12000 * std::sin(2 * M_PI * 440 * double(i) / 22050));
    const bool written = vorbis.EncWrite(encoder, tone.data(), std::int32_t(tone.size())) == 0;
    return vorbis.EncClose(encoder) == 0 && written;
}

class OggPlayerTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetCodecFolder(BuildFolder());
        // Played sound goes to a file when this test opens the device first.
        if (!SoundDevice::Shared().WasTried()) {
            output = dir.filePath("device.raw");
            qputenv("SDL_AUDIODRIVER", "disk");
            qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output));
        }
        ASSERT_TRUE(vorbis.Load());
        mp3 = dir.filePath("short.mp3");
        WriteBytes(mp3, ShortMP3());
        ogg = dir.filePath("short.ogg");
        ASSERT_TRUE(MakeShortOgg(vorbis, ogg));
    }
    void TearDown() override { SetCodecFolder(QString()); }

    void watch(TOggPlayer& player)
    {
        player.OnPosChanged = [this](TOggPlayer&, std::uint32_t ms) { positions.push_back(ms); };
        player.OnPlayEnd = [this](TOggPlayer&) { ++ends; };
    }

    // Bytes of the device's output that are not silence.
    qsizetype soundBytes()
    {
        const QByteArray bytes = ReadBytes(output);
        return bytes.size() - bytes.count('\0');
    }

    QTemporaryDir dir;
    QString output, mp3, ogg;
    VorbisDll vorbis;
    std::vector<std::uint32_t> positions;
    int ends = 0;
};
}

TEST(CodecLibraries, DecodeWhatTheyAreFedAndGoWithoutTheLibraries)
{
    SetCodecFolder(BuildFolder());
    MpgLib mpg;
    ASSERT_TRUE(mpg.Load());
    void* stream = nullptr;
    ASSERT_EQ(mpg.OpenStream(&stream), 0);
    const QByteArray input = ShortMP3();
    std::vector<std::uint8_t> chunk(4608);
    qsizetype fed = 0, decoded = 0;
    int written = 0;
    for (int guard = 0; guard < 1000; ++guard) {
        const int length = int(std::min<qsizetype>(421, input.size() - fed));
        const int result = mpg.DecodeChunk(stream, reinterpret_cast<const std::uint8_t*>(input.constData()) + fed,
            length, chunk.data(), int(chunk.size()), &written);
        fed += length;
        decoded += written;
        if (result != MPGLIB_OK && fed >= input.size())
            break;
    }
    EXPECT_GT(mpg.GetBitRate(stream), 0);
    mpg.CloseStream(stream);
    // 40 frames of 1152 stereo samples, less what the decoder holds back at the start.
    EXPECT_GT(decoded, 36 * 4608);
    EXPECT_LE(decoded, 40 * 4608);

    SetCodecFolder(QDir::tempPath() + "/no-codecs-here");
    MpgLib missing;
    EXPECT_FALSE(missing.Load());
    TOggPlayer silent;
    EXPECT_EQ(silent.State(), TOggPlayer::NotInitialised);
    EXPECT_FALSE(silent.Open(QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Soundtracks/Peremena.mp3")));
    EXPECT_EQ(silent.Version(), "MpgLib.dll : N.A., Vorbis.dll : N.A.");
    SetCodecFolder(QString());
}

namespace {
// The first `count` pages of a shipped Ogg Vorbis file.
QByteArray OggPages(const char* name, int count)
{
    const QByteArray file = ReadBytes(QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Soundtracks/") + name);
    qsizetype at = 0;
    for (int page = 0; page < count && at + 27 <= file.size() && file.mid(at, 4) == "OggS"; ++page) {
        const int segments = std::uint8_t(file[at + 26]);
        qsizetype length = 27 + segments;
        for (int i = 0; i < segments; ++i)
            length += std::uint8_t(file[at + 27 + i]);
        at += length;
    }
    EXPECT_GT(at, 0) << name << " is missing";
    return file.left(at);
}
}

TEST(CodecLibraries, AChainOfOggStreamsPlaysItsFirstStreamAndLeavesNothingBehind)
{
    SetCodecFolder(BuildFolder());
    VorbisDll vorbis;
    ASSERT_TRUE(vorbis.Load());
    SetCodecFolder(QString());
    QTemporaryDir dir;
    const QByteArray first = OggPages("Dvor_posle_urokov.ogg", 3);
    // The second stream whole, or only its first page: then its headers cannot be read (the leak checker of the test
    // build tells whether the decoder's library lost memory over that).
    for (const QByteArray& second :
        { OggPages("Utro_v_novom_gorode.ogg", 3), OggPages("Utro_v_novom_gorode.ogg", 1) }) {
        const QString path = dir.filePath("chain.ogg");
        WriteBytes(path, first + second);
        VbDecoder decoder {};
        decoder.chunkSize = 256;
        VbInfo info {};
        ASSERT_EQ(vorbis.DecOpen(&decoder, &info, QFile::encodeName(path).constData()), 0);
        // Three pages of the first stream: under half a second.
        EXPECT_GT(decoder.total, 100);
        EXPECT_LT(decoder.total, 500);
        std::vector<std::uint8_t> chunk(std::size_t(decoder.chunkSize));
        int decoded = 0;
        for (int got; (got = vorbis.DecRead(&decoder, chunk.data(), int(chunk.size()))) > 0;)
            decoded += got;
        EXPECT_GT(decoded, 0);
        EXPECT_LE(decoded, (decoder.total + 50) * info.sampleRate / 1000 * info.channels * 2);
        vorbis.DecClose(&decoder);
    }
}

TEST_F(OggPlayerTest, PlaysEachKindToItsEndOnceAndRestartsAfterStop)
{
    TOggPlayer player;
    ASSERT_EQ(player.State(), TOggPlayer::Ready);
    EXPECT_TRUE(player.Version().startsWith("MpgLib.dll : 1.0 mpg123, Vorbis.dll : Ver 1.00 (Engine Ver : 1."))
        << player.Version().toStdString();
    EXPECT_FALSE(player.Open(dir.filePath("clip.wav")));
    watch(player);

    for (const QString& file : { mp3, ogg }) {
        SCOPED_TRACE(file.toStdString());
        positions.clear();
        ends = 0;
        ASSERT_TRUE(player.Open(file));
        EXPECT_EQ(player.State(), TOggPlayer::Opened);
        EXPECT_GT(player.Duration(), 800u);
        EXPECT_EQ(player.Open(file), false); // one file at a time
        player.Play();
        EXPECT_EQ(player.State(), TOggPlayer::Playing);
        ASSERT_TRUE(RunUntil([&] { return ends > 0; }, PatientWait));
        RunUntil([] { return false; }, 200);
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(player.State(), TOggPlayer::Stopped);
        ASSERT_GE(positions.size(), 3u);
        EXPECT_EQ(positions.front(), 0u);
        EXPECT_EQ(positions.back(), player.Duration());
        EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));

        // Played to the end, Play starts again from the beginning.
        positions.clear();
        player.Play();
        EXPECT_EQ(player.State(), TOggPlayer::Playing);
        ASSERT_TRUE(RunUntil([&] { return !positions.empty(); }, PatientWait));
        EXPECT_LT(positions.front(), 300u);
        player.Stop();
        EXPECT_EQ(player.State(), TOggPlayer::Stopped);
        // Stopped midway, Play starts from the beginning too.
        RunUntil([] { return false; }, 100);
        positions.clear();
        player.Play();
        ASSERT_TRUE(RunUntil([&] { return !positions.empty(); }, PatientWait));
        EXPECT_LT(positions.front(), 300u);
        player.Stop();
        player.Close();
        EXPECT_EQ(player.State(), TOggPlayer::Ready);
    }
    if (!output.isEmpty()) {
        EXPECT_GT(soundBytes(), 22050);
    }
}

TEST_F(OggPlayerTest, AnMP3AfterALongID3v2TagOpensAndPlays)
{
    for (int size : { 5000, 1 << 20 }) {
        SCOPED_TRACE(size);
        const QString tagged = dir.filePath(QStringLiteral("tagged-%1.mp3").arg(size));
        WriteBytes(tagged, ID3v2Tag(size, "Peremena") + ShortMP3());
        TOggPlayer player;
        watch(player);
        ends = 0;
        ASSERT_TRUE(player.Open(tagged));
        EXPECT_GT(player.Duration(), 800u);
        EXPECT_EQ(player.SampleRate(), 44100);
        player.Play();
        EXPECT_EQ(player.State(), TOggPlayer::Playing);
        ASSERT_TRUE(RunUntil([&] { return ends > 0; }, PatientWait));
        EXPECT_EQ(positions.back(), player.Duration());
    }
}

TEST_F(OggPlayerTest, PauseResumeContinuesAndSeekingBeyondTheEndDoesNothing)
{
    TOggPlayer player;
    watch(player);
    ASSERT_TRUE(player.Open(ogg));
    player.Play();
    RunUntil([] { return false; }, 300);
    player.Pause();
    EXPECT_EQ(player.State(), TOggPlayer::Paused);
    const std::uint32_t paused = player.Position();
    EXPECT_GT(paused, 0u);

    positions.clear();
    player.Seek(player.Duration() + 1);
    EXPECT_TRUE(positions.empty());
    EXPECT_EQ(player.Position(), paused);
    EXPECT_EQ(player.State(), TOggPlayer::Paused);

    player.Resume();
    EXPECT_EQ(player.State(), TOggPlayer::Playing);
    EXPECT_GE(player.Position(), paused);
    ASSERT_TRUE(RunUntil([&] { return ends > 0; }, PatientWait));
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(positions.back(), player.Duration());

    // A seek while playing goes on from there.
    positions.clear();
    ends = 0;
    player.Play();
    player.Seek(500);
    EXPECT_EQ(player.State(), TOggPlayer::Playing);
    ASSERT_FALSE(positions.empty());
    EXPECT_GE(positions.back(), 500u);
    ASSERT_TRUE(RunUntil([&] { return ends > 0; }, PatientWait));
    EXPECT_EQ(ends, 1);
}

namespace {
class PlayerWindowTest : public GameFixture {
protected:
    PlayerWindowTest() { SetCodecFolder(BuildFolder()); }
    ~PlayerWindowTest() override { SetCodecFolder(QString()); }
};
}

TEST_F(PlayerWindowTest, OpensWithASummaryRefusesWhilePlayingAndSaysStopOnceAtTheEnd)
{
    const QString dir = useWorkingDirectory();
    TForm34& window = forms->form34();
    window.FormShow();
    ASSERT_EQ(window.player()->State(), TOggPlayer::Ready);
    WriteBytes(dir + "/short.mp3", ShortMP3());
    WriteBytes(dir + "/clip.wav", QByteArray("RIFF....WAVE"));

    Child<QLineEdit>(window, "Edit2")->setText("clip.wav");
    ui.expectErrorBoxes(2); // the clip is no stream, and opening while playing is refused
    click(Child<QPushButton>(window, "openButton"));
    EXPECT_EQ(ui.errors, QStringList({ "Error : Invalid stream file" }));

    Child<QLineEdit>(window, "Edit2")->setText("short.mp3");
    click(Child<QPushButton>(window, "openButton"));
    EXPECT_EQ(Child<QLineEdit>(window, "Edit1")->text(), "Title : , 44100Hz, 128KBPS, Stereo, 0:01");
    click(Child<QPushButton>(window, "playButton"));
    EXPECT_TRUE(window.Music().Started());
    EXPECT_EQ(window.Music().track(), TMusicState::Track::Playing);
    // The window shows the state as before.
    EXPECT_EQ(Child<QLineEdit>(window, "Edit3")->text(), "YES");
    EXPECT_EQ(Child<QLineEdit>(window, "Edit4")->text(), "PLAY");
    click(Child<QPushButton>(window, "openButton"));
    EXPECT_EQ(ui.errors.value(1), "Error : Cannot open file while playing");
    EXPECT_EQ(window.player()->State(), TOggPlayer::Playing);

    ASSERT_TRUE(RunUntil([&] { return window.player()->State() == TOggPlayer::Stopped; }, PatientWait));
    EXPECT_EQ(window.Music().track(), TMusicState::Track::RunOut);
    EXPECT_EQ(Child<QLineEdit>(window, "Edit4")->text(), "STOP");
    EXPECT_TRUE(window.Music().TakeRunOut());
    window.Timer1Timer();
    EXPECT_EQ(Child<QLineEdit>(window, "Edit4")->text(), "WAIT");
    EXPECT_FALSE(window.Music().TakeRunOut());
}

TEST_F(OggPlayerTest, WhatArrivesWhileItStopsNeitherRestartsNorHangsIt)
{
    // Long enough to be playing still when each stop begins.
    const QString track = dir.filePath("long.mp3");
    WriteBytes(track, ShortMP3(300));
    TOggPlayer player;
    watch(player);
    ASSERT_TRUE(player.Open(track));
    TAudioOut& out = *player.AudioOut();

    struct Case {
        const char* what;
        bool pause; // the waiting operation: Pause, otherwise Stop
        std::function<void()> meanwhile;
        int after;
    } cases[] = {
        { "a stop, a close, an open and a play during a stop", false,
            [&] {
                player.Stop();
                player.Close();
                EXPECT_FALSE(player.Open(ogg));
                player.Play();
                player.Resume();
                player.Seek(100);
            },
            TOggPlayer::Stopped },
        { "a stop during a pause", true, [&] { player.Stop(); }, TOggPlayer::Stopped },
        { "a pause during a pause", true, [&] { player.Pause(); }, TOggPlayer::Paused },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        player.Play();
        ASSERT_EQ(player.State(), TOggPlayer::Playing);
        RunUntil([] { return false; }, 200);
        ASSERT_GT(out.Queued(), 0);
        bool ranWhileStopping = false;
        // Runs in the message loop that the stop keeps going.
        QTimer::singleShot(0, [&] {
            ranWhileStopping = player.Stopping();
            c.meanwhile();
        });
        if (c.pause)
            player.Pause();
        else
            player.Stop();
        EXPECT_TRUE(ranWhileStopping);
        EXPECT_FALSE(player.Stopping());
        EXPECT_EQ(player.State(), c.after);
        // Stopped means stopped: nothing is fed or queued any more, and the file is still the one it was.
        EXPECT_FALSE(out.Feeding());
        EXPECT_EQ(out.Queued(), 0);
        EXPECT_EQ(player.FileName(), track);
        if (player.State() == TOggPlayer::Paused)
            player.Stop();
    }
    // The device is let go, and the next track plays.
    ASSERT_TRUE(RunUntil([&] { return !out.DeviceOpen(); }, PatientWait));
    player.Close();
    ASSERT_TRUE(player.Open(ogg));
    player.Play();
    EXPECT_EQ(player.State(), TOggPlayer::Playing);
    EXPECT_EQ(out.LastError(), QString());
    ASSERT_TRUE(RunUntil([&] { return ends > 0; }, PatientWait));
    EXPECT_EQ(ends, 1);
}

TEST_F(OggPlayerTest, AStartDropsWhatTheDeviceStillHoldsAndTheDeviceIsLetGo)
{
    TAudioOut out;
    ASSERT_TRUE(out.ReadyToGo());
    out.SetSampleRate(22050);
    int fills = 0, played = 0;
    out.OnBufferPlayed = [&](TAudioOut&, char* buffer, std::uint32_t& size) {
        std::memset(buffer, fills++ % 2 ? 40 : -40, size);
        return true;
    };
    out.OnPlayed = [&](TAudioOut&) { ++played; };
    ASSERT_TRUE(out.Start());
    EXPECT_EQ(out.Queued(), TPlayer::BufferCount);
    // Started again at once: the eight buffers still in the device are dropped, not queued a second time.
    ASSERT_TRUE(out.Start());
    EXPECT_EQ(out.Queued(), TPlayer::BufferCount);
    RunUntil([] { return false; }, 100);
    EXPECT_LE(out.Queued(), TPlayer::BufferCount);
    out.StopFeeding();
    ASSERT_TRUE(RunUntil([&] { return played > 0; }, PatientWait));
    RunUntil([] { return false; }, 100);
    EXPECT_EQ(played, 1);
    EXPECT_EQ(out.Queued(), 0);
    EXPECT_FALSE(out.DeviceOpen());
    EXPECT_EQ(out.LastError(), QString());

    // A device left holding buffers when its output goes is closed with it: the next output can open one.
    {
        TAudioOut playing;
        playing.OnBufferPlayed = out.OnBufferPlayed;
        ASSERT_TRUE(playing.Start());
        RunUntil([] { return false; }, 50);
        EXPECT_GT(playing.Queued(), 0);
    }
    ASSERT_TRUE(out.Start());
    EXPECT_EQ(out.LastError(), QString());
}

namespace {
int CountDone = 0;
void CountingCallback(HWAVEOUT, unsigned message, void*, WAVEHDR*)
{
    if (message == MM_WOM_DONE)
        ++CountDone;
}
}

TEST(WaveOut, ADeviceWithQueuedBuffersStaysOpenUntilTheyAreDropped)
{
    if (waveOutGetNumDevs() == 0)
        GTEST_SKIP() << "no sound device";
    WAVEFORMATEX format;
    HWAVEOUT device = nullptr;
    ASSERT_EQ(
        waveOutOpen(&device, WAVE_MAPPER, &format, &CountingCallback, nullptr, CALLBACK_FUNCTION), MMSYSERR_NOERROR);
    // Three seconds each: still queued when the device is closed.
    std::vector<std::vector<char>> buffers(3, std::vector<char>(3 * 44100 * 4, 1));
    std::vector<WAVEHDR> headers(3);
    CountDone = 0;
    for (std::size_t i = 0; i < headers.size(); ++i) {
        headers[i].lpData = buffers[i].data();
        headers[i].dwBufferLength = std::uint32_t(buffers[i].size());
        ASSERT_EQ(waveOutPrepareHeader(device, &headers[i]), MMSYSERR_NOERROR);
        ASSERT_EQ(waveOutWrite(device, &headers[i]), MMSYSERR_NOERROR);
    }
    EXPECT_EQ(waveOutWrite(device, &headers[0]), WAVERR_STILLPLAYING) << "a queued buffer is not queued twice";
    EXPECT_EQ(waveOutUnprepareHeader(device, &headers[2]), WAVERR_STILLPLAYING);
    EXPECT_EQ(waveOutClose(device), WAVERR_STILLPLAYING);
    // The device is still the open one: it cannot be opened twice, and it can still be reset and closed.
    HWAVEOUT second = nullptr;
    EXPECT_EQ(
        waveOutOpen(&second, WAVE_MAPPER, &format, &CountingCallback, nullptr, CALLBACK_FUNCTION), MMSYSERR_ALLOCATED);
    ASSERT_EQ(waveOutReset(device), MMSYSERR_NOERROR);
    EXPECT_EQ(CountDone, 3);
    EXPECT_EQ(waveOutClose(device), MMSYSERR_NOERROR);
    ASSERT_EQ(
        waveOutOpen(&second, WAVE_MAPPER, &format, &CountingCallback, nullptr, CALLBACK_FUNCTION), MMSYSERR_NOERROR);
    EXPECT_EQ(waveOutClose(second), MMSYSERR_NOERROR);
}

namespace {
// The whole game, its music played for real into the disk driver's file when this test opens the device first.
class TrackChangeTest : public GameFixture {
protected:
    TrackChangeTest()
    {
        SetCodecFolder(BuildFolder());
        if (!SoundDevice::Shared().WasTried()) {
            output = device.filePath("device.raw");
            qputenv("SDL_AUDIODRIVER", "disk");
            qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output));
        }
    }
    ~TrackChangeTest() override { SetCodecFolder(QString()); }

    qsizetype soundBytes() const
    {
        const QByteArray bytes = ReadBytes(output);
        return bytes.size() - bytes.count('\0');
    }

    QTemporaryDir device;
    QString output;
};
}

TEST_F(TrackChangeTest, AChoiceMadeWhileATrackStopsIsPlayedAfterTheStopAndTheMusicGoesOn)
{
    const QString dir = useWorkingDirectory();
    WriteBytes(dir + "/first.mp3", ShortMP3(300));
    WriteBytes(dir + "/second.mp3", ShortMP3(300));
    WriteBytes(dir + "/third.mp3", ShortMP3(60));
    WriteLines1251(
        dir + "/three.grpl", { "header", "1 Первая", "first.mp3", "2 Вторая", "second.mp3", "3 Третья", "third.mp3" });
    TForm1& main = forms->form1();
    QComboBox& tracks = *Child<QComboBox>(main, "TrackTitles");
    TForm34& compressed = forms->form34();
    compressed.FormShow();
    TOggPlayer& player = *compressed.player();
    if (player.State() == TOggPlayer::NotInitialised)
        GTEST_SKIP() << "no sound device";
    ui.answerFileDialog(dir + "/three.grpl");
    click(Child<QPushButton>(main, "playlistButton"));
    ASSERT_EQ(player.State(), TOggPlayer::Playing);
    RunUntil([] { return false; }, 300);

    // The player chooses track 2; while track 1 stops, track 3 is chosen.
    bool ranWhileStopping = false;
    QTimer::singleShot(0, [&] {
        ranWhileStopping = player.Stopping();
        tracks.setCurrentIndex(3);
    });
    tracks.setCurrentIndex(2);
    EXPECT_TRUE(ranWhileStopping);
    EXPECT_EQ(tracks.currentIndex(), 3);
    EXPECT_TRUE(player.FileName().endsWith("third.mp3")) << player.FileName().toStdString();
    EXPECT_EQ(player.State(), TOggPlayer::Playing);
    EXPECT_EQ(compressed.Music().track(), TMusicState::Track::Playing);
    EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join("; ").toStdString();

    // It is heard, plays to its end once and is followed by track 1.
    const qsizetype before = soundBytes();
    ASSERT_TRUE(RunUntil([&] { return tracks.currentIndex() == 1; }, PatientWait));
    EXPECT_EQ(player.State(), TOggPlayer::Playing);
    if (!output.isEmpty()) {
        EXPECT_GT(soundBytes(), before + 44100);
    }

    // Stopping and playing go on working: the device is let go and opened again.
    tracks.setCurrentIndex(0);
    EXPECT_EQ(player.State(), TOggPlayer::Stopped);
    ASSERT_TRUE(RunUntil([&] { return !player.AudioOut()->DeviceOpen(); }, PatientWait));
    tracks.setCurrentIndex(2);
    EXPECT_EQ(player.State(), TOggPlayer::Playing);
    EXPECT_EQ(player.AudioOut()->LastError(), QString());
    EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join("; ").toStdString();
}

TEST_F(TrackChangeTest, TracksAskedOfThePlayerWindowWhileItStopsEndWithTheLastOne)
{
    const QString dir = useWorkingDirectory();
    WriteBytes(dir + "/first.mp3", ShortMP3(300));
    WriteBytes(dir + "/second.mp3", ShortMP3(300));
    WriteBytes(dir + "/third.mp3", ShortMP3(300));
    TForm34& window = forms->form34();
    window.FormShow();
    TOggPlayer& player = *window.player();
    if (player.State() == TOggPlayer::NotInitialised)
        GTEST_SKIP() << "no sound device";

    struct Case {
        const char* what;
        std::function<void()> meanwhile;
        const char* playing; // nullptr: stopped
    } cases[] = {
        { "two tracks", [&] { window.StartTrack("second.mp3"), window.StartTrack("third.mp3"); }, "third.mp3" },
        { "a track, then a stop", [&] { window.StartTrack("second.mp3"), window.StopTrack(); }, nullptr },
        { "a stop, then a track", [&] { window.StopTrack(), window.StartTrack("second.mp3"); }, "second.mp3" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window.StartTrack("first.mp3");
        ASSERT_EQ(player.State(), TOggPlayer::Playing);
        RunUntil([] { return false; }, 200);
        bool ranWhileStopping = false;
        QTimer::singleShot(0, [&] {
            ranWhileStopping = player.Stopping();
            c.meanwhile();
        });
        window.StopTrack();
        EXPECT_TRUE(ranWhileStopping);
        if (c.playing) {
            EXPECT_EQ(player.State(), TOggPlayer::Playing);
            EXPECT_TRUE(player.FileName().endsWith(c.playing)) << player.FileName().toStdString();
        } else {
            EXPECT_EQ(player.State(), TOggPlayer::Stopped);
        }
        window.StopTrack();
        EXPECT_FALSE(player.AudioOut()->Feeding());
    }
    EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join("; ").toStdString();
}
