// Tracks that are not regular files, named in a playlist: a FIFO, a link to /dev/zero, a folder. Every reader and
// both players refuse them at once, without opening them; reads are bounded by the bytes actually read.
#include "GameFixture.h"
#include "TestHelpers.h"
#include "audio/ID3v2.h"
#include "audio/MP3Util.h"
#include "audio/MediaPlayer.h"
#include "audio/OggPlayer.h"
#include "audio/OggTest.h"
#include "audio/OggVorbis.h"
#include "audio/RegularFile.h"
#include "audio/SoundDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
QString BuildFolder() { return QDir(QCoreApplication::applicationDirPath() + "/..").absolutePath(); }

// A FIFO that nothing may open. Should something open it for reading all the same, a watchman opens it for writing
// and closes it again at once, so that the reader comes to the end of it rather than waiting for ever: a regression
// fails the test instead of hanging it. Whether anything opened it is told by inotify, not by a clock.
class UntouchableFifo {
public:
    explicit UntouchableFifo(const QString& path)
        : m_path(QFile::encodeName(path))
    {
        m_made = ::mkfifo(m_path.constData(), 0600) == 0;
        m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_made && m_inotify >= 0)
            m_watched = ::inotify_add_watch(m_inotify, m_path.constData(), IN_OPEN) >= 0;
        if (m_made)
            m_watchman = std::thread([this] { watch(); });
    }
    ~UntouchableFifo()
    {
        if (m_watchman.joinable()) {
            // A reader of ours lets the watchman's waiting open through; it stays open until the watchman has left.
            m_stop = true;
            const int reader = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK);
            m_watchman.join();
            ::close(reader);
        }
        if (m_inotify >= 0)
            ::close(m_inotify);
    }
    UntouchableFifo(const UntouchableFifo&) = delete;
    UntouchableFifo& operator=(const UntouchableFifo&) = delete;

    bool ready() const { return m_made && m_watched; }
    // Whether anything has opened the FIFO so far.
    bool opened()
    {
        char events[4096];
        while (::read(m_inotify, events, sizeof events) > 0)
            m_opened = true;
        return m_opened;
    }

private:
    void watch()
    {
        while (true) {
            const int writer = ::open(m_path.constData(), O_WRONLY);
            if (writer >= 0)
                ::close(writer);
            if (m_stop)
                return;
        }
    }

    QByteArray m_path;
    bool m_made = false;
    bool m_watched = false;
    bool m_opened = false;
    int m_inotify = -1;
    std::atomic<bool> m_stop = false;
    std::thread m_watchman;
};

// The hostile tracks of one kind (extension), beside a FIFO of each kind.
struct Hostile {
    QString fifo, zero, folder;
};

class HostileTracks : public testing::Test {
protected:
    Hostile make(const QString& extension)
    {
        Hostile paths { dir.filePath("fifo." + extension), dir.filePath("zero." + extension),
            dir.filePath("folder." + extension) };
        fifos.push_back(std::make_unique<UntouchableFifo>(paths.fifo));
        EXPECT_TRUE(fifos.back()->ready()) << "cannot make or watch a FIFO";
        EXPECT_EQ(::symlink("/dev/zero", QFile::encodeName(paths.zero).constData()), 0);
        EXPECT_TRUE(QDir().mkpath(paths.folder));
        return paths;
    }
    // Fails the test when any of the FIFOs was opened.
    void expectNoFifoOpened()
    {
        for (auto& fifo : fifos)
            EXPECT_FALSE(fifo->opened()) << "a FIFO was opened";
    }

    QTemporaryDir dir;
    std::vector<std::unique_ptr<UntouchableFifo>> fifos;
};
}

TEST_F(HostileTracks, TheStreamReadersReadNothingButRegularFiles)
{
    for (const char* extension : { "mp3", "ogg" }) {
        const Hostile h = make(extension);
        for (const QString& path : { h.fifo, h.zero, h.folder }) {
            SCOPED_TRACE(path.toStdString());
            EXPECT_FALSE(IsRegularFile(path));
            EXPECT_EQ(OpenRegularFile(path), -1);
            EXPECT_TRUE(ReadWholeFile(path).isEmpty());
            TMP3Info mp3;
            mp3.ReadFile(path);
            EXPECT_FALSE(mp3.FrameFound);
            TID3v2 id3;
            id3.ReadFile(path);
            EXPECT_FALSE(id3.Exists);
            TOggVorbis ogg;
            ogg.ReadFile(path);
            EXPECT_FALSE(ogg.Valid);
        }
    }
    expectNoFifoOpened();

    // A link to a regular file is followed.
    const QString shipped = QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Soundtracks/Peremena.mp3");
    const QString link = dir.filePath("link.mp3");
    ASSERT_EQ(::symlink(QFile::encodeName(shipped).constData(), QFile::encodeName(link).constData()), 0);
    EXPECT_TRUE(IsRegularFile(link));
    TMP3Info info;
    info.ReadFile(link);
    EXPECT_TRUE(info.FrameFound) << "Data/Soundtracks/Peremena.mp3 is missing or unreadable";
}

TEST_F(HostileTracks, ReadsAreBoundedByTheBytesReadNotByTheSizeReported)
{
    const QString ten = dir.filePath("ten.mp3");
    WriteBytes(ten, "0123456789");
    EXPECT_EQ(ReadWholeFile(ten, 10), "0123456789");
    EXPECT_TRUE(ReadWholeFile(ten, 9).isEmpty()) << "a file longer than the limit is refused";
    // The system reports a size of 0 for this regular file; what it holds is read all the same.
    const QString reportsNothing = QStringLiteral("/proc/self/status");
    if (QFileInfo(reportsNothing).size() == 0) {
        EXPECT_TRUE(ReadWholeFile(reportsNothing).contains("Name:"));
    }
}

TEST_F(HostileTracks, TheMusicPlayerRefusesThemAtOnce)
{
    SetCodecFolder(BuildFolder());
    TOggPlayer player;
    SetCodecFolder(QString());
    ASSERT_EQ(player.State(), TOggPlayer::Ready) << "no codecs or no sound device";
    for (const char* extension : { "mp3", "ogg" }) {
        const Hostile h = make(extension);
        for (const QString& path : { h.fifo, h.zero, h.folder }) {
            EXPECT_FALSE(player.Open(path)) << path.toStdString();
            EXPECT_EQ(player.State(), TOggPlayer::Ready);
        }
    }
    // The Vorbis library itself opens no FIFO either.
    VorbisDll vorbis;
    SetCodecFolder(BuildFolder());
    ASSERT_TRUE(vorbis.Load());
    SetCodecFolder(QString());
    VbDecoder decoder {};
    VbInfo info {};
    EXPECT_NE(vorbis.DecOpen(&decoder, &info, QFile::encodeName(dir.filePath("fifo.ogg")).constData()), 0);
    EXPECT_NE(vorbis.DecOpen(&decoder, &info, QFile::encodeName(dir.filePath("zero.ogg")).constData()), 0);
    EXPECT_EQ(decoder.file, nullptr);
    expectNoFifoOpened();
}

TEST_F(HostileTracks, TheMediaPlayerStaysSilentWithoutOpeningThem)
{
    TMediaPlayer player;
    for (const char* extension : { "mid", "wav", "mp3" }) {
        const Hostile h = make(extension);
        for (const QString& path : { h.fifo, h.zero, h.folder }) {
            player.SetFileName(path);
            player.Open();
            EXPECT_FALSE(player.IsOpen()) << path.toStdString();
            player.Play();
            EXPECT_NE(player.Position(), player.Length()) << path.toStdString();
        }
    }
    expectNoFifoOpened();
    // A regular clip still opens, through a link too.
    const QString link = dir.filePath("clip.wav");
    ASSERT_EQ(::symlink(TRAMBUL_SOURCE_DIR "/Data/HL2/Pistol_fire.wav", QFile::encodeName(link).constData()), 0);
    player.SetFileName(link);
    player.Open();
    if (SoundDevice::Shared().IsOpen()) {
        EXPECT_TRUE(player.IsOpen());
    }
}

namespace {
class HostilePlaylistTracks : public GameFixture {
protected:
    HostilePlaylistTracks() { SetCodecFolder(BuildFolder()); }
    ~HostilePlaylistTracks() override { SetCodecFolder(QString()); }
};
}

TEST_F(HostilePlaylistTracks, ThePlayerWindowSaysAtOnceThatTheyCannotBePlayed)
{
    const QString dir = useWorkingDirectory();
    TForm34& window = forms->form34();
    window.FormShow();
    ASSERT_EQ(window.player()->State(), TOggPlayer::Ready) << "no codecs or no sound device";
    UntouchableFifo mp3Fifo(dir + "/fifo.mp3"), oggFifo(dir + "/fifo.ogg");
    ASSERT_TRUE(mp3Fifo.ready() && oggFifo.ready());
    ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(dir + "/zero.mp3").constData()), 0);
    ASSERT_TRUE(QDir(dir).mkdir("folder.ogg"));
    const QStringList tracks { "fifo.mp3", "fifo.ogg", "zero.mp3", "folder.ogg" };
    ui.expectErrorBoxes(int(tracks.size()));
    for (const QString& track : tracks)
        window.StartTrack(track);
    EXPECT_EQ(ui.errors, QStringList(tracks.size(), QStringLiteral("Error : Invalid stream file")));
    EXPECT_EQ(window.player()->State(), TOggPlayer::Ready);
    EXPECT_FALSE(mp3Fifo.opened());
    EXPECT_FALSE(oggFifo.opened());
}
