// The background music: the playlist, the choice of player for a track, the watch going round the playlist.
#include "game/Music.h"
#include "GameFixture.h"
#include "TestHelpers.h"
#include "audio/MP3Util.h"
#include "audio/MusicState.h"
#include "audio/OggPlayer.h"
#include "audio/OggTest.h"
#include "audio/SdlLibrary.h"
#include "audio/SoundDevice.h"
#include "audio/WaveOut.h"
#include "core/TextFile.h"
#include "core/Unit3.h"
#include "game/Unit1.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>
#include <stdexcept>

namespace {
using Music = GameFixture;

// The list of track titles on the main window, and whether its watch of the music is on.
QComboBox* Tracks(const TForm1& main) { return Child<QComboBox>(main, "TrackTitles"); }
bool MusicWatchOn(const TForm1& main) { return Child<QTimer>(main, "MusicWatchTick")->isActive(); }

QStringList Titles(const QComboBox& box)
{
    QStringList titles;
    for (int i = 0; i < box.count(); ++i)
        titles << box.itemText(i);
    return titles;
}
}

TEST(Playlist, TitlesFollowTheFirstBlankAndPathsComeInPairs)
{
    struct Case {
        QStringList lines;
        bool skip;
        QStringList titles, paths;
        QList<int> titleLines;
    } cases[] = {
        { { "Плейлист", "1 Утро в новом городе", "Data\\a.ogg", "2 Перемена", "Data\\b.mp3" }, false,
            { "Утро в новом городе", "Перемена" }, { "Data\\a.ogg", "Data\\b.mp3" }, { 2, 4 } },
        { { "#EXTM3U", "#EXTINF:185,Группа - Песня", "music/x.mp3" }, false, { "- Песня" }, { "music/x.mp3" }, { 2 } },
        { { "header", "Безпробела", "a.mid", "3  Два пробела ", "b.mid" }, false, { "", " Два пробела " },
            { "a.mid", "b.mid" }, { 2, 4 } },
        { { "header", "1 Один", "a.mid", "2 Без пути" }, false, { "Один", "Без пути" }, { "a.mid", "" }, { 2, 4 } },
        { { "header", "", "1 Один", "a.mid" }, true, { "Один" }, { "a.mid" }, { 3 } },
        { { "header", "", "1 Один", "a.mid" }, false, { "", "" }, { "1 Один", "" }, { 2, 4 } },
        { { "header" }, false, {}, {}, {} },
        { {}, true, {}, {}, {} },
    };
    for (const Case& c : cases) {
        const Playlist playlist = ParsePlaylist(c.lines, c.skip);
        EXPECT_EQ(playlist.titles, c.titles) << c.lines.join('|').toStdString();
        EXPECT_EQ(playlist.paths, c.paths) << c.lines.join('|').toStdString();
        EXPECT_EQ(playlist.titleLines, c.titleLines) << c.lines.join('|').toStdString();
    }
}

TEST(Playlist, TheTypeChoosesThePlayerAndTrack1FollowsTheLast)
{
    const std::pair<const char*, TrackPlayer> cases[] = {
        { "Data\\Soundtracks\\Peremena.mp3", TrackPlayer::Compressed },
        { "x.Mp3", TrackPlayer::Compressed },
        { "X.MP3", TrackPlayer::Compressed },
        { "a.ogg", TrackPlayer::Compressed },
        { "mp3", TrackPlayer::Compressed },
        { "Data\\Soundtracks\\Eien_no_melody.mid", TrackPlayer::Media },
        { "x.wav", TrackPlayer::Media },
        { "x.wav ", TrackPlayer::Media },
        { "x.mp3 ", TrackPlayer::Media },
        { "x.мр3", TrackPlayer::Media },
        { "", TrackPlayer::Media },
    };
    for (const auto& [path, player] : cases)
        EXPECT_EQ(PlayerForTrack(U(path)), player) << path;
    EXPECT_EQ(NextTrack(1, 3), 2);
    EXPECT_EQ(NextTrack(3, 3), 1);
    EXPECT_EQ(NextTrack(0, 3), 1);
    EXPECT_EQ(NextTrack(1, 1), 1);
}

TEST_F(Music, StartUpPlaysTheFirstTrackOnTheMediaPlayerAndReadiesTheCompressedPlayer)
{
    useWorkingDirectory({ "Data/Soundtracks/PlayList.grpl" });
    ui.closeNextModalWith(ModalResult::Ok);
    ui.closeNextModalWith(ModalResult::Ok);
    TForm1& main = forms->form1();
    main.FormShow();

    EXPECT_TRUE(ui.errors.isEmpty());
    const QStringList lines = ReadLines1251(QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Soundtracks/PlayList.grpl"));
    ASSERT_EQ(Tracks(main)->count(), 1 + (lines.size() - 1) / 2);
    EXPECT_EQ(Tracks(main)->itemText(0), "Без музыки");
    EXPECT_EQ(main.trackPaths().value(0), "Без музыки");
    EXPECT_EQ(Tracks(main)->currentIndex(), 1);
    EXPECT_EQ(Tracks(main)->itemText(1), lines[1].section(' ', 1));
    EXPECT_EQ(main.trackPaths().value(1), lines[2]);
    // Even an Ogg file starts on the media player.
    EXPECT_EQ(main.mediaPlayer().FileName(), lines[2]);
    EXPECT_TRUE(MusicWatchOn(main));
    EXPECT_NE(forms->form34().player(), nullptr);
    EXPECT_TRUE(Child<QTimer>(forms->form34(), "Timer1")->isActive());
}

TEST(TrackChanges, AChangeAskedForDuringOneIsMadeOnceAfterIt)
{
    TrackChanges changes;
    int made = 0;
    changes.Make([&] {
        ++made;
        EXPECT_FALSE(changes.Superseded());
        if (made > 1)
            return;
        // Two more choices while the first is made (as in the message loop of a stop): one more change follows.
        changes.Make([] { ADD_FAILURE() << "a change made inside another"; });
        changes.Make([] { ADD_FAILURE() << "a change made inside another"; });
        EXPECT_TRUE(changes.Superseded());
    });
    EXPECT_EQ(made, 2);

    // A change that fails still lets the next one run.
    EXPECT_THROW(changes.Make([] { throw std::runtime_error("no playlist"); }), std::runtime_error);
    bool ran = false;
    changes.Make([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST(MusicWatch, MovesOnOnceForARunOutTrackAndForTheMediaPlayersEndOnlyWhenItHoldsTheMusic)
{
    TMusicState compressed;
    int asked = 0;
    const auto ended = [&] {
        ++asked;
        return true;
    };
    compressed.Play();
    EXPECT_FALSE(MusicWatchMovesOn(compressed, ended)) << "the media player's end counts not while here it plays";
    ASSERT_TRUE(compressed.RunOut());
    EXPECT_FALSE(compressed.RunOut());
    EXPECT_TRUE(MusicWatchMovesOn(compressed, [] { return false; }));
    EXPECT_FALSE(MusicWatchMovesOn(compressed, [] { return false; }));
    compressed.HandOver();
    EXPECT_TRUE(MusicWatchMovesOn(compressed, ended));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(compressed.HolderText(), "NO");
    EXPECT_EQ(compressed.TrackText(), "WAIT");
}

TEST_F(Music, AMissingDefaultPlaylistIsReportedAndTheRestOfTheStartUpRuns)
{
    useWorkingDirectory();
    ui.expectErrorBoxes();
    ui.closeNextModalWith(ModalResult::Cancel); // "Загрузить игру"
    ui.answerFileDialog(QString()); // the load dialog, cancelled
    forms->form1().FormShow();

    ASSERT_EQ(ui.errors.size(), 1);
    EXPECT_TRUE(ui.errors[0].contains("PlayList.grpl"));
    EXPECT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_NE(forms->form34().player(), nullptr);
    EXPECT_TRUE(Child<QTimer>(forms->form34(), "Timer1")->isActive());
    // The load dialog switches the watch on as it closes; with no track it finds nothing to move on from.
    EXPECT_TRUE(MusicWatchOn(forms->form1()));
}

TEST_F(Music, EachTrackGoesToItsPlayerAndTheWatchGoesRoundThePlaylist)
{
    const QString dir = useWorkingDirectory();
    WriteLines1251(dir + "/mine.m3u",
        { "#EXTM3U", "1 Первая", "music/first.MP3", "", "2 Вторая", "music/second.mid", "3 Третья", "x.wav " });
    TForm1& main = forms->form1();
    TForm34& compressed = forms->form34();
    compressed.FormShow();
    ui.answerFileDialog(dir + "/mine.m3u");
    click(Child<QPushButton>(main, "playlistButton"));

    EXPECT_EQ(Titles(*Tracks(main)), QStringList({ "Без музыки", "Первая", "Вторая", "Третья" }));
    EXPECT_EQ(ui.fileDialogs.at(0).title, "Загрузка плейлиста");
    EXPECT_EQ(ui.fileDialogs.at(0).defaultSuffix, "grpl");
    // Track 1 is an MP3 (in capitals): the compressed player gets it.
    EXPECT_EQ(Tracks(main)->currentIndex(), 1);
    EXPECT_EQ(Child<QLineEdit>(compressed, "Edit2")->text(), "music/first.MP3");
    EXPECT_TRUE(Child<QTimer>(compressed, "Timer1")->isActive());
    EXPECT_TRUE(MusicWatchOn(main));

    // It runs out: the watch moves on to the MIDI file, on the media player, and stays on.
    compressed.Music().Play();
    ASSERT_TRUE(compressed.Music().RunOut());
    main.MusicWatchTickTimer();
    EXPECT_EQ(Tracks(main)->currentIndex(), 2);
    EXPECT_EQ(compressed.Music().track(), TMusicState::Track::Noticed);
    EXPECT_EQ(compressed.Music().holder(), TMusicState::Holder::MediaPlayer);
    EXPECT_EQ(Child<QLineEdit>(compressed, "Edit4")->text(), "WAIT");
    EXPECT_EQ(Child<QLineEdit>(compressed, "Edit3")->text(), "NO");
    EXPECT_EQ(main.mediaPlayer().FileName(), "music/second.mid");
    EXPECT_TRUE(MusicWatchOn(main));
    // A compressed track that ran out earlier does not skip the media player's track.
    main.MusicWatchTickTimer();
    EXPECT_EQ(Tracks(main)->currentIndex(), 2);

    // After the last track comes track 1, never "Без музыки"; "x.wav " goes to the media player.
    Tracks(main)->setCurrentIndex(3);
    EXPECT_EQ(main.mediaPlayer().FileName(), "x.wav ");
    main.AdvanceTrack();
    EXPECT_EQ(Tracks(main)->currentIndex(), 1);
    EXPECT_TRUE(MusicWatchOn(main));

    Tracks(main)->setCurrentIndex(0);
    EXPECT_FALSE(MusicWatchOn(main));
}

TEST_F(Music, APlaylistThatCannotBeReadLeavesTheListsAndWatchesTheCompressedPlayerAgain)
{
    const QString dir = useWorkingDirectory();
    TForm1& main = forms->form1();
    forms->form34().FormShow();
    WriteLines1251(dir + "/one.grpl", { "header", "1 Одна", "a.mid" });
    ui.answerFileDialog(dir + "/one.grpl");
    click(Child<QPushButton>(main, "playlistButton"));
    ASSERT_EQ(Tracks(main)->count(), 2);

    ui.answerFileDialog(dir + "/gone.grpl");
    ui.expectErrorBoxes();
    click(Child<QPushButton>(main, "playlistButton"));
    EXPECT_EQ(ui.errors.size(), 1);
    EXPECT_EQ(Tracks(main)->count(), 2);
    EXPECT_EQ(main.trackPaths(), QStringList({ "Без музыки", "a.mid" }));
    EXPECT_FALSE(MusicWatchOn(main));
    EXPECT_TRUE(Child<QTimer>(forms->form34(), "Timer1")->isActive());

    // A cancelled dialog changes nothing.
    ui.answerFileDialog(QString());
    click(Child<QPushButton>(main, "playlistButton"));
    EXPECT_EQ(Tracks(main)->count(), 2);
}

TEST_F(Music, ACompressedTrackThatRunsOutIsFollowedByTheNextOne)
{
    // Played for real, with our codec libraries from the build folder, into the test's sound device.
    SetCodecFolder(QCoreApplication::applicationDirPath() + "/..");
    const QString dir = useWorkingDirectory();
    const QByteArray track = ReadBytes(QStringLiteral(TRAMBUL_SOURCE_DIR "/Data/Soundtracks/Peremena.mp3"));
    const TFrameFound first = FindMPEGFrame(AsBytes(track), 0, FrameScanLimit);
    ASSERT_TRUE(first.found);
    WriteBytes(dir + "/short.mp3", track.mid(first.offset, first.header.frameLength * 30));
    WriteLines1251(dir + "/two.grpl", { "header", "1 Короткая", "short.mp3", "2 Вторая", "b.mid" });
    TForm1& main = forms->form1();
    TForm34& compressed = forms->form34();
    compressed.FormShow();
    compressed.SetWatching(true);
    if (compressed.player()->State() == TOggPlayer::NotInitialised) {
        SetCodecFolder(QString());
        GTEST_SKIP() << "no sound device";
    }
    ui.answerFileDialog(dir + "/two.grpl");
    click(Child<QPushButton>(main, "playlistButton"));
    EXPECT_EQ(compressed.Music().track(), TMusicState::Track::Playing);
    EXPECT_EQ(compressed.player()->State(), TOggPlayer::Playing);

    // The track ends in about a second.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Tracks(main)->currentIndex() != 1; }, PatientWait));
    EXPECT_EQ(Tracks(main)->currentIndex(), 2);
    EXPECT_FALSE(compressed.Music().Started());
    EXPECT_EQ(main.mediaPlayer().FileName(), "b.mid");
    EXPECT_TRUE(MusicWatchOn(main));
    EXPECT_TRUE(ui.errors.isEmpty());
    SetCodecFolder(QString());
}

TEST_F(Music, TheCreditsMusicLeavesTheCompressedTrackPlayingAndRestsTheWatch)
{
    const QString dir = useWorkingDirectory();
    TForm1& main = forms->form1();
    TForm34& compressed = forms->form34();
    compressed.FormShow();
    WriteLines1251(dir + "/one.grpl", { "header", "1 Одна", "a.ogg" });
    // There is no a.ogg: a player that found its codec libraries (an earlier test in this process may have loaded
    // them) says so; one without them stays silent.
    if (compressed.player() && compressed.player()->State() != TOggPlayer::NotInitialised)
        ui.expectErrorBoxes();
    ui.answerFileDialog(dir + "/one.grpl");
    click(Child<QPushButton>(main, "playlistButton"));
    compressed.Music().Play();

    main.StartCreditsMusic();
    EXPECT_EQ(Tracks(main)->currentIndex(), 0);
    EXPECT_FALSE(MusicWatchOn(main));
    EXPECT_EQ(main.mediaPlayer().FileName(), "Data\\Soundtracks\\Eien_no_melody.mid");
    // Selecting "Без музыки" here does not run the choice: the compressed track goes on.
    EXPECT_TRUE(compressed.Music().Started());
    EXPECT_EQ(compressed.Music().track(), TMusicState::Track::Playing);
    main.EndCreditsMusic();
    EXPECT_TRUE(MusicWatchOn(main));
}

TEST_F(Music, WithoutTheSoundLibrariesTheGameGoesOnSilentlyAndSaysWhyOnce)
{
    // The sound device is opened once per program: CTest runs this test in a program of its own.
    if (SoundDevice::Shared().WasTried())
        GTEST_SKIP() << "the sound device was opened by an earlier test";
    SetSdlLibraryNames(QStringLiteral("libtrambul-no-such-sdl.so.0"), QStringLiteral("libtrambul-no-such-mixer.so.0"));
    SetCodecFolder(QCoreApplication::applicationDirPath() + "/..");
    const QString dir = useWorkingDirectory({ "Data/Soundtracks/Peremena.mp3", "Data/HL2/Pistol_fire.wav" });
    WriteLines1251(dir + "/two.grpl",
        { "header", "1 Перемена", "Data/Soundtracks/Peremena.mp3", "2 Выстрел", "Data/HL2/Pistol_fire.wav" });
    TForm1& main = forms->form1();
    TForm34& compressed = forms->form34();

    testing::internal::CaptureStderr();
    compressed.FormShow();
    compressed.SetWatching(true);
    ui.answerFileDialog(dir + "/two.grpl");
    click(Child<QPushButton>(main, "playlistButton"));
    Tracks(main)->setCurrentIndex(2);
    main.MusicWatchTickTimer();
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_TRUE(SoundDevice::Shared().WasTried());
    EXPECT_FALSE(SoundDevice::Shared().IsOpen());
    EXPECT_EQ(compressed.player()->State(), TOggPlayer::NotInitialised);
    EXPECT_FALSE(main.mediaPlayer().IsOpen());
    EXPECT_EQ(Tracks(main)->currentIndex(), 2) << "a silent track never ends by itself";
    EXPECT_EQ(waveOutGetNumDevs(), 0u);
    HWAVEOUT device = nullptr;
    const WAVEFORMATEX format;
    EXPECT_EQ(
        waveOutOpen(
            &device, WAVE_MAPPER, &format, [](HWAVEOUT, unsigned, void*, WAVEHDR*) {}, nullptr, CALLBACK_FUNCTION),
        MMRESULT(MMSYSERR_NODRIVER));
    EXPECT_EQ(device, nullptr);
    EXPECT_TRUE(ui.shown.isEmpty()) << ui.shown.join('|').toStdString();
    // Why, once, naming the library that is missing.
    const auto first = said.find("No sound: ");
    ASSERT_NE(first, std::string::npos) << said;
    EXPECT_EQ(said.find("No sound: ", first + 1), std::string::npos) << said;
    EXPECT_NE(said.find("libtrambul-no-such-sdl"), std::string::npos) << said;
    SetCodecFolder(QString());
}
