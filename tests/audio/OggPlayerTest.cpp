// The music player over our codec libraries and the wave-out layer, playing into SDL's disk driver.
#include "audio/OggPlayer.h"
#include "GameFixture.h"
#include "TestHelpers.h"
#include "audio/OggTest.h"
#include "audio/SoundDevice.h"

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

// The first frames of a shipped track: a short MP3 of about a second.
QByteArray ShortMP3()
{
    const QByteArray track = ReadBytes(QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Soundtracks/Peremena.mp3"));
    const TFrameFound first = FindMPEGFrame(AsBytes(track), 0, FrameScanLimit);
    return first.found ? track.mid(qsizetype(first.offset), first.header.frameLength * 40) : QByteArray();
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
        if (!SoundDevice::Shared().wasTried()) {
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

    window.Edit2->setText("clip.wav");
    ui.expectErrorBoxes(2); // the clip is no stream, and opening while playing is refused
    click(window.openButton);
    EXPECT_EQ(ui.errors, QStringList({ "Error : Invalid stream file" }));

    window.Edit2->setText("short.mp3");
    click(window.openButton);
    EXPECT_EQ(window.Edit1->text(), "Title : , 44100Hz, 128KBPS, Stereo, 0:01");
    click(window.playButton);
    EXPECT_EQ(window.Edit3->text(), "YES");
    EXPECT_EQ(window.Edit4->text(), "PLAY");
    click(window.openButton);
    EXPECT_EQ(ui.errors.value(1), "Error : Cannot open file while playing");
    EXPECT_EQ(window.player()->State(), TOggPlayer::Playing);

    ASSERT_TRUE(RunUntil([&] { return window.player()->State() == TOggPlayer::Stopped; }, PatientWait));
    EXPECT_EQ(window.Edit4->text(), "STOP");
    EXPECT_TRUE(window.TakeRunOut());
    window.Timer1Timer();
    EXPECT_EQ(window.Edit4->text(), "WAIT");
    EXPECT_FALSE(window.TakeRunOut());
}
