#include "audio/OggTest.h"

#include "audio/OggPlayer.h"
#include "core/DataPath.h"
#include "core/Guarded.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

TForm34::TForm34(GameWindows& windows)
    : TGameWindow(windows, QStringLiteral("Ogg Player"), QSize(400, 200), WindowFrame::CloseBox)
{
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    auto edit = [&](QLineEdit*& target, const QString& caption, int row) {
        target = new QLineEdit(this);
        auto* label = new QLabel(caption, this);
        label->setBuddy(target);
        fields->addWidget(label, row, 0);
        fields->addWidget(target, row, 1);
    };
    edit(Edit1, QStringLiteral("Поток:"), 0);
    edit(Edit2, QStringLiteral("Файл:"), 1);
    edit(Edit3, QStringLiteral("Запущен:"), 2);
    edit(Edit4, QStringLiteral("Состояние:"), 3);
    Edit1->setReadOnly(true);
    Edit3->setReadOnly(true);
    Edit4->setReadOnly(true);
    m_music.OnChanged = [this] {
        Edit3->setText(m_music.HolderText());
        Edit4->setText(m_music.TrackText());
    };
    layout->addLayout(fields);

    positionSlider = new QSlider(Qt::Horizontal, this);
    positionSlider->setRange(0, 255);
    positionSlider->setAccessibleName(QStringLiteral("Позиция"));
    layout->addWidget(positionSlider);

    auto* buttons = new QHBoxLayout;
    auto button = [&](QPushButton*& target, const QString& text, void (TForm34::*handler)()) {
        target = new QPushButton(text, this);
        ConnectGuarded(target, &QPushButton::clicked, this, handler);
        buttons->addWidget(target);
    };
    button(openButton, QStringLiteral("Open"), &TForm34::OpenButtonClick);
    button(playButton, QStringLiteral("Play"), &TForm34::PlayButtonClick);
    button(pauseButton, QStringLiteral("Pause"), &TForm34::PauseButtonClick);
    button(stopButton, QStringLiteral("Stop"), &TForm34::StopButtonClick);
    button(exitButton, QStringLiteral("Exit"), &TForm34::ExitButtonClick);
    layout->addLayout(buttons);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    ConnectGuarded(Timer1, &QTimer::timeout, this, &TForm34::Timer1Timer);
    ConnectGuarded(positionSlider, &QSlider::sliderReleased, this, &TForm34::SliderReleased);
    NameControls(
        { { Edit1, "Edit1" }, { Edit2, "Edit2" }, { Edit3, "Edit3" }, { Edit4, "Edit4" }, { openButton, "openButton" },
            { playButton, "playButton" }, { pauseButton, "pauseButton" }, { stopButton, "stopButton" },
            { exitButton, "exitButton" }, { positionSlider, "positionSlider" }, { Timer1, "Timer1" } });
}

TForm34::~TForm34() = default;

void TForm34::showEvent(QShowEvent* event)
{
    TGameWindow::showEvent(event);
    FormShow();
}

void TForm34::closeEvent(QCloseEvent* event)
{
    // Closing the window closes the file and frees the player: once its wait is over when it is stopping.
    m_askedTrack.reset();
    if (m_player && m_player->Stopping())
        m_releaseAsked = true;
    else
        releasePlayer();
    TGameWindow::closeEvent(event);
}

void TForm34::releasePlayer()
{
    m_releaseAsked = false;
    m_player.reset();
    m_opened = false;
}

void TForm34::FormShow()
{
    if (m_player)
        return;
    m_player = std::make_unique<TOggPlayer>();
    m_player->OnPosChanged = [this](TOggPlayer& player, std::uint32_t ms) {
        // While the player drags the slider it stays where the hand holds it.
        if (positionSlider->isSliderDown() || player.Duration() == 0)
            return;
        const QSignalBlocker block(positionSlider);
        positionSlider->setValue(int(std::min<std::uint64_t>(std::uint64_t(ms) * 255 / player.Duration(), 255)));
    };
    m_player->OnPlayEnd = [this](TOggPlayer&) { markStopped(); };
}

void TForm34::OpenButtonClick()
{
    FormShow();
    if (m_player->State() == TOggPlayer::Playing) {
        // The standard error box carries the game's caption rather than "Open Error".
        ui().errorBox(QStringLiteral("Error : Cannot open file while playing"));
        return;
    }
    m_player->Close();
    m_opened = m_player->Open(DataPath(Edit2->text()));
    // Without codecs or a sound device the game stays silent rather than complaining about every track.
    if (!m_opened && m_player->State() != TOggPlayer::NotInitialised) {
        ui().errorBox(QStringLiteral("Error : Invalid stream file"));
        return;
    }
    if (!m_opened)
        return;
    const std::uint32_t seconds = m_player->Duration() / 1000;
    Edit1->setText(QStringLiteral("Title : %1, %2Hz, %3KBPS, %4, %5:%6")
                       .arg(m_player->Title())
                       .arg(m_player->SampleRate())
                       .arg(m_player->BitRate() / 1000)
                       .arg(m_player->Channels() == 2 ? QStringLiteral("Stereo") : QStringLiteral("Mono"))
                       .arg(seconds / 60)
                       .arg(seconds % 60, 2, 10, QLatin1Char('0')));
}

void TForm34::PlayButtonClick()
{
    if (!m_opened || !m_player)
        return;
    m_music.Play();
    m_player->Play();
}

void TForm34::PauseButtonClick()
{
    if (!m_player)
        return;
    m_player->Pause();
    startAskedTrack();
}

void TForm34::StopButtonClick()
{
    if (!m_player)
        return;
    m_player->Stop();
    startAskedTrack();
}

void TForm34::ExitButtonClick() { close(); }

void TForm34::Timer1Timer()
{
    if (!m_player)
        return;
    const std::uint32_t position = m_player->Position();
    const std::uint32_t duration = m_player->Duration();
    if (position != 0 && position + 10 > duration)
        markStopped();
}

// A track that was playing has run out: said once, so that the next track is started once.
void TForm34::markStopped() { m_music.RunOut(); }

void TForm34::SliderReleased()
{
    if (!m_player || !m_player->FileOpen())
        return;
    m_player->Seek(std::uint32_t(std::uint64_t(m_player->Duration()) * std::uint64_t(positionSlider->value()) / 255));
    startAskedTrack();
}

void TForm34::StartTrack(const QString& path)
{
    FormShow();
    m_askedTrack = path;
    startAskedTrack();
}

void TForm34::startAskedTrack()
{
    // Stopping runs the message loop, and a track asked for meanwhile replaces this one; so does one asked for while
    // an error box is up. Only the outermost run starts tracks.
    if (m_startingTrack)
        return;
    m_startingTrack = true;
    while (m_askedTrack && m_player && !m_player->Stopping()) {
        if (m_player->State() == TOggPlayer::Playing) {
            m_player->Stop();
            continue;
        }
        const QString path = *m_askedTrack;
        m_askedTrack.reset();
        Edit2->setText(path);
        OpenButtonClick();
        PlayButtonClick();
    }
    m_startingTrack = false;
    if (m_releaseAsked && m_player && !m_player->Stopping())
        releasePlayer();
}

void TForm34::StopTrack()
{
    m_askedTrack.reset();
    if (m_music.Started())
        StopButtonClick();
}

void TForm34::HandOverMusic()
{
    m_askedTrack.reset();
    m_music.HandOver();
}

void TForm34::SetWatching(bool on)
{
    if (on)
        Timer1->start();
    else
        Timer1->stop();
}
