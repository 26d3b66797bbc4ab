// The hidden compressed-audio player window: plays MP3 and Ogg Vorbis music, never shown.
#pragma once

#include "core/GameWindow.h"

#include <memory>

class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;
class TOggPlayer;

// The main window drives it through its edit boxes and buttons: Edit2 holds the path to open, Edit3 says "YES"
// once Play was pressed, Edit4 shows "PLAY" while a track plays and "STOP" when it has run out.
class TForm34 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm34(GameWindows& windows);
    ~TForm34() override;

    // Makes the player (once) and ties its position to the slider; also run without showing the window.
    void FormShow();

    void OpenButtonClick();
    void PlayButtonClick();
    void PauseButtonClick();
    void StopButtonClick();
    void ExitButtonClick();
    void Timer1Timer();
    void SliderReleased();

    // What the main window asks of it for the background music.
    // Opens the path (a game path such as "Data\\Soundtracks\\x.mp3") and plays it, as Open and then Play do.
    void StartTrack(const QString& path);
    // Presses Stop when a track was started here.
    void StopTrack();
    // The music has gone to the system media player: this player no longer counts as started.
    void HandOverMusic();
    // True once when a track started here has run out ("STOP" becomes "WAIT").
    bool TakeRunOut();
    bool Started() const;
    // The timer that notices the end of a track.
    void SetWatching(bool on);

    // The player, once FormShow has made it.
    TOggPlayer* player() const { return m_player.get(); }

    QLineEdit* Edit1; // the summary of the open file
    QLineEdit* Edit2; // the path to open
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QPushButton* openButton;
    QPushButton* playButton;
    QPushButton* pauseButton;
    QPushButton* stopButton;
    QPushButton* exitButton;
    QSlider* positionSlider;
    QTimer* Timer1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void markStopped();

    std::unique_ptr<TOggPlayer> m_player;
    bool m_opened = false;
};
