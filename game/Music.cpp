#include "game/Music.h"

#include "audio/MusicState.h"
#include "audio/OggTest.h"
#include "core/GameClock.h"
#include "core/GameWindow.h"
#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "core/Ui.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>

const char* const DefaultPlaylist = "Data\\Soundtracks\\PlayList.grpl";
const char* const NoMusic = "Без музыки";

TrackPlayer PlayerForTrack(const QString& path)
{
    QString type = path.right(3);
    for (QChar& c : type)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return type == QLatin1String("MP3") || type == QLatin1String("OGG") ? TrackPlayer::Compressed : TrackPlayer::Media;
}

int NextTrack(int selected, int lastItem) { return selected >= lastItem ? 1 : selected + 1; }

bool MusicWatchMovesOn(TMusicState& compressed, const std::function<bool()>& mediaTrackEnded)
{
    if (compressed.TakeRunOut())
        return true;
    return !compressed.Started() && mediaTrackEnded();
}

void TrackChanges::Make(const std::function<void()>& change)
{
    if (m_running) {
        m_again = true;
        return;
    }
    // Also when a change fails with an error for the player.
    m_running = true;
    struct Running {
        bool& running;
        ~Running() { running = false; }
    } running { m_running };
    do {
        m_again = false;
        change();
    } while (m_again);
}

BackgroundMusic::BackgroundMusic(QWidget& window, GameWindows& windows, GameClock& clock)
    : QObject(&window)
    , m_windows(windows)
    , m_clock(clock)
{
    TrackTitles = new QComboBox(&window);
    TrackTitles->setEditable(false);
    TrackTitles->setAccessibleName(QStringLiteral("Музыка"));
    playlistButton = new QPushButton(QStringLiteral("Плейлист"), &window);
    Connect(TrackTitles, &QComboBox::currentIndexChanged, this, &BackgroundMusic::TrackTitlesChange);
    Connect(playlistButton, &QPushButton::clicked, this, &BackgroundMusic::playlistButtonClick);
    MusicWatchTick = new QTimer(this);
    MusicWatchTick->setInterval(1000);
    Connect(MusicWatchTick, &QTimer::timeout, this, &BackgroundMusic::MusicWatchTickTimer);
    NameControls(
        { { TrackTitles, "TrackTitles" }, { playlistButton, "playlistButton" }, { MusicWatchTick, "MusicWatchTick" } });
}

QLayout* BackgroundMusic::makeLayout()
{
    auto* layout = new QHBoxLayout;
    layout->addWidget(TrackTitles, 1);
    layout->addWidget(playlistButton);
    return layout;
}

QString BackgroundMusic::trackPath(int item) const
{
    return item > 0 ? TrackTitles->itemData(item).toString() : QString();
}

void BackgroundMusic::setTracks(const Playlist& playlist)
{
    const QSignalBlocker block(TrackTitles);
    TrackTitles->clear();
    TrackTitles->addItem(QString::fromUtf8(NoMusic));
    for (qsizetype i = 0; i < playlist.titles.size(); ++i)
        TrackTitles->addItem(playlist.titles[i], playlist.paths.value(i));
    TrackTitles->setCurrentIndex(TrackTitles->count() > 1 ? 1 : 0);
}

void BackgroundMusic::LoadDefaultPlaylist()
{
    setTracks(ReadPlaylist(QString::fromLatin1(DefaultPlaylist), false));
    if (TrackTitles->count() < 2)
        return;
    // The first track goes to the media player whatever its type.
    MediaPlayer1.SetFileName(trackPath(1));
    MediaPlayer1.Open();
    MediaPlayer1.Play();
    MusicWatchTick->start();
}

void BackgroundMusic::TrackTitlesChange()
{
    // A choice made while a compressed track stops is made after this one.
    m_trackChanges.Make([this] { changeTrack(); });
}

void BackgroundMusic::changeTrack()
{
    const int item = TrackTitles->currentIndex();
    if (item < 0 || item >= TrackTitles->count())
        return;
    TForm34& compressed = m_windows.form34();
    if (item == 0) {
        compressed.StopTrack();
        MediaPlayer1.Stop();
        MusicWatchTick->stop();
        return;
    }
    const QString path = trackPath(item);
    MediaPlayer1.SetFileName(path);
    if (PlayerForTrack(path) == TrackPlayer::Media) {
        compressed.StopTrack();
        if (m_trackChanges.Superseded())
            return;
        compressed.HandOverMusic();
        MediaPlayer1.Open();
        MediaPlayer1.Play();
    } else {
        // Rewound, the media player no longer looks as if its last track had just ended.
        MediaPlayer1.Stop();
        MediaPlayer1.Rewind();
        compressed.StopTrack();
        if (m_trackChanges.Superseded())
            return;
        compressed.StartTrack(path);
    }
    MusicWatchTick->start();
}

void BackgroundMusic::playlistButtonClick()
{
    TForm34& compressed = m_windows.form34();
    compressed.SetWatching(false);
    // Whatever happens below, the compressed player watches its tracks again afterwards.
    struct WatchAgain {
        TForm34& window;
        ~WatchAgain() { window.SetWatching(true); }
    } watchAgain { compressed };

    QString path;
    {
        ClockPause pause(m_clock);
        const QString workingDir = QDir::currentPath();
        FileDialogOptions options;
        options.title = QStringLiteral("Загрузка плейлиста");
        options.defaultSuffix = QStringLiteral("grpl");
        options.initialDir = workingDir;
        options.filters = QStringList { QStringLiteral("Плейлист (grpl; m3u) (*.grpl *.m3u)"),
            QStringLiteral("Плейлист игры (*.grpl)"), QStringLiteral("Плейлист M3U (*.m3u)"),
            QStringLiteral("Все файлы (*.*)") };
        path = ui().openFileName(options);
        QDir::setCurrent(workingDir);
        if (!path.isEmpty())
            path = QDir(workingDir).absoluteFilePath(path);
    }
    if (path.isEmpty())
        return;
    MusicWatchTick->stop();
    MediaPlayer1.Stop();
    compressed.StopTrack();
    setTracks(ReadPlaylist(path, true));
    if (TrackTitles->count() > 1)
        TrackTitlesChange();
}

void BackgroundMusic::MusicWatchTickTimer()
{
    // The watch stays on after moving on, so the music goes through the whole playlist and round again.
    if (MusicWatchMovesOn(m_windows.form34().Music(),
            [this] { return MediaPlayer1.IsOpen() && MediaPlayer1.Position() == MediaPlayer1.Length(); }))
        AdvanceTrack();
}

void BackgroundMusic::AdvanceTrack()
{
    const int last = TrackTitles->count() - 1;
    if (last < 1)
        return;
    {
        const QSignalBlocker block(TrackTitles);
        TrackTitles->setCurrentIndex(NextTrack(TrackTitles->currentIndex(), last));
    }
    TrackTitlesChange();
}

void BackgroundMusic::StartCreditsMusic()
{
    MusicWatchTick->stop();
    {
        const QSignalBlocker block(TrackTitles);
        TrackTitles->setCurrentIndex(0);
    }
    MediaPlayer1.SetFileName(QStringLiteral("Data\\Soundtracks\\Eien_no_melody.mid"));
    MediaPlayer1.Open();
    MediaPlayer1.Play();
}

void BackgroundMusic::EndCreditsMusic()
{
    MediaPlayer1.Stop();
    MusicWatchTick->start();
}

void BackgroundMusic::SetMusicWatch(bool on)
{
    if (on)
        MusicWatchTick->start();
    else
        MusicWatchTick->stop();
}
