// The hidden compressed-audio player window: plays MP3 and Ogg Vorbis music, never shown.
#pragma once

#include "audio/MusicState.h"
#include "core/GameWindow.h"

#include <memory>

class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;
class TOggPlayer;

// The main window drives it through its buttons and Edit2, the path to open, and follows the music through
// Music(): who holds it, and whether the track started here has run out. Edit3 and Edit4 show that state ("YES",
// "PLAY", "STOP", ...); they only show it.
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
    // Opens the path (a game path such as "Data\\Soundtracks\\x.mp3") and plays it, as Open and then Play do,
    // after stopping a track that still plays. False, without a word, when the file cannot be opened while the
    // player can play.
    bool StartTrack(const QString& path);
    // Presses Stop when a track was started here.
    void StopTrack();
    // The music has gone to the system media player: this player no longer holds it.
    void HandOverMusic();
    // Who holds the music and how far the track started here has got.
    TMusicState& Music() { return m_music; }
    const TMusicState& Music() const { return m_music; }
    // The timer that notices the end of a track.
    void SetWatching(bool on);

    // The player, once FormShow has made it.
    TOggPlayer* player() const { return m_player.get(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The controls, named as here for tests and tools.
    QLineEdit* Edit1; // the summary of the open file
    QLineEdit* Edit2; // the path to open
    QLineEdit* Edit3; // shows who holds the music
    QLineEdit* Edit4; // shows the track's state
    QPushButton* openButton;
    QPushButton* playButton;
    QPushButton* pauseButton;
    QPushButton* stopButton;
    QPushButton* exitButton;
    QSlider* positionSlider;
    QTimer* Timer1; // notices the end of a track

    void markStopped();
    // Closes any file and opens the one in Edit2, writing its summary to Edit1.
    bool openTrack();

    std::unique_ptr<TOggPlayer> m_player;
    bool m_opened = false;
    TMusicState m_music;
};
