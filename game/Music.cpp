#include "game/Music.h"

#include "audio/MusicState.h"
#include "audio/OggTest.h"
#include "audio/SoundDevice.h"
#include "core/GameClock.h"
#include "core/GameWindow.h"
#include "core/GameWindows.h"
#include "core/Guarded.h"
#include "core/Ui.h"
#include "game/GameContent.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>

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

BackgroundMusic::BackgroundMusic(QWidget& window, GameWindows& windows, GameClock& clock)
    : QObject(&window)
    , m_windows(windows)
    , m_clock(clock)
{
    TrackTitles = new QComboBox(&window);
    TrackTitles->setEditable(false);
    TrackTitles->setAccessibleName(QStringLiteral("Музыка"));
    playlistButton = new QPushButton(QStringLiteral("Плейлист"), &window);
    ConnectGuarded(TrackTitles, &QComboBox::currentIndexChanged, this, &BackgroundMusic::TrackTitlesChange);
    ConnectGuarded(playlistButton, &QPushButton::clicked, this, &BackgroundMusic::playlistButtonClick);
    MusicWatchTick = new QTimer(this);
    MusicWatchTick->setInterval(1000);
    ConnectGuarded(MusicWatchTick, &QTimer::timeout, this, &BackgroundMusic::MusicWatchTickTimer);
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
    m_toldUnplayable.clear();
}

void BackgroundMusic::selectQuietly(int item)
{
    const QSignalBlocker block(TrackTitles);
    TrackTitles->setCurrentIndex(item);
}

void BackgroundMusic::LoadDefaultPlaylist()
{
    setTracks(ReadPlaylist(GameContent::Playlist.path(), false));
    if (TrackTitles->count() > 1)
        playFromSelected(true);
    explainSilence();
}

void BackgroundMusic::explainSilence()
{
    const SoundDevice& device = SoundDevice::Shared();
    if (m_silenceExplained || !device.WasTried() || device.IsOpen())
        return;
    m_silenceExplained = true;
    ui().notice(QStringLiteral("Игра пойдёт без музыки и звуков: %1.").arg(device.Problem()));
}

void BackgroundMusic::TrackTitlesChange()
{
    const int item = TrackTitles->currentIndex();
    if (item < 0 || item >= TrackTitles->count())
        return;
    if (item > 0) {
        playFromSelected(false);
        return;
    }
    m_windows.form34().StopTrack();
    MediaPlayer1.Stop();
    MusicWatchTick->stop();
}

void BackgroundMusic::playFromSelected(bool mediaFirst)
{
    const int first = TrackTitles->currentIndex();
    const int last = TrackTitles->count() - 1;
    QStringList unplayable;
    for (int item = first;; item = NextTrack(item, last)) {
        if (playItem(item, mediaFirst && item == first))
            break;
        if (!m_toldUnplayable.contains(item)) {
            m_toldUnplayable.append(item);
            unplayable << QStringLiteral("«%1» (%2)").arg(TrackTitles->itemText(item), trackPath(item));
        }
        if (NextTrack(item, last) == first) {
            // Nothing of the playlist opens: the music stops here instead of trying round and round.
            selectQuietly(0);
            MusicWatchTick->stop();
            ui().notice(QStringLiteral("Ни одна мелодия плейлиста не открывается, поэтому музыка выключена.%1")
                            .arg(unplayable.isEmpty()
                                    ? QString()
                                    : QStringLiteral(" Не открылись: %1.").arg(unplayable.join(QStringLiteral(", ")))));
            return;
        }
        selectQuietly(NextTrack(item, last));
    }
    if (!unplayable.isEmpty())
        ui().notice(QStringLiteral("Не открылись мелодии плейлиста: %1. Играет следующая.")
                        .arg(unplayable.join(QStringLiteral(", "))));
    MusicWatchTick->start();
}

bool BackgroundMusic::playItem(int item, bool onMedia)
{
    TForm34& compressed = m_windows.form34();
    const QString path = trackPath(item);
    MediaPlayer1.SetFileName(path);
    if (onMedia || PlayerForTrack(path) == TrackPlayer::Media) {
        // At start-up the compressed player has had nothing yet.
        if (!onMedia) {
            compressed.StopTrack();
            compressed.HandOverMusic();
        }
        MediaPlayer1.Open();
        MediaPlayer1.Play();
        // Without sound nothing opens, and no track is to blame.
        return MediaPlayer1.IsOpen() || !SoundDevice::Shared().Open();
    }
    // Rewound, the media player no longer looks as if its last track had just ended.
    MediaPlayer1.Stop();
    MediaPlayer1.Rewind();
    return compressed.StartTrack(path);
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
        playFromSelected(false);
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
    selectQuietly(NextTrack(TrackTitles->currentIndex(), last));
    TrackTitlesChange();
}

void BackgroundMusic::StartCreditsMusic()
{
    MusicWatchTick->stop();
    selectQuietly(0);
    MediaPlayer1.SetFileName(GameContent::CreditsMusic.path());
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
