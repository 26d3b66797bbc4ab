// The main window: the status panel of the player and the calendar, the game clock and the main commands.
#pragma once

#include "audio/MediaPlayer.h"
#include "core/GameClock.h"
#include "core/GameState.h"
#include "game/ClockEvents.h"
#include "game/GameKeeper.h"
#include "game/Music.h"

#include <QGroupBox>
#include <QWidget>

class GameWindows;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class StatusPanel;

// A framed group whose caption reacts to a double-click (the way into the cheat window).
class CaptionGroupBox : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
signals:
    void captionDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(GameWindows& windows);

    TGameState& state() { return m_state; }
    GameClock& clock() { return m_clock; }

    // Whether the start-up sequence has run once.
    bool StartupDone() const { return m_startupDone; }
    // A main window shown without its start-up sequence (a picture of the window, a look at the panel alone).
    void SkipStartup() { m_startupDone = true; }
    // What the panel shows for a field, brought up to date if the window was out of sight; empty for a field the panel
    // does not show.
    QString PanelText(Field field) const;

    // The start-up sequence of the first showing: name, introduction, clock, loading a game if asked.
    void FormShow();
    // One firing of the game clock.
    void GameClockTick();
    // "Начать новую игру": asks, then resets the game; also run by the death window.
    void NewGame();
    // The autosaves of the game (at midnight and on the way out).
    GameKeeper& keeper() { return m_keeper; }

    void lookAroundButtonClick();
    void diaryButtonClick();
    void newGameButtonClick() { NewGame(); }
    // "Сохранить игру..." and "Загрузить игру...".
    void BitBtn3Click();
    void BitBtn4Click();
    void helpButtonClick();
    void aboutButtonClick();
    void exitButtonClick();
    void personalGroupDoubleClick();

    // The box of girl flags, one line per girl: hidden in normal play, shown and hidden by the cheat window.
    bool GirlFlagsBoxVisible() const;
    void SetGirlFlagsBoxVisible(bool visible);
    // Background music. Start-up: reads the default playlist and starts its first track on the media player.
    void LoadDefaultPlaylist();
    // The player chose an item of TrackTitles (or the watch moved on): plays it with the player for its type.
    void TrackTitlesChange();
    // "Плейлист": loads a playlist the player chooses.
    void playlistButtonClick();
    // Every second while on: moves to the next track when the one playing has run out.
    void MusicWatchTickTimer();
    // Selects the next track (after the last, track 1) and plays it.
    void AdvanceTrack();
    // The credits' own music, over whatever the compressed player plays; the watch rests meanwhile.
    void StartCreditsMusic();
    void EndCreditsMusic();
    // Switches the music's watch on or off; the save and load dialogs hold it while they are open.
    void SetMusicWatch(bool on);
    // The paths of the tracks, parallel to the titles in TrackTitles; item 0 is "Без музыки".
    const QStringList& trackPaths() const { return TrackPaths; }
    // The system media player of the music.
    const TMediaPlayer& mediaPlayer() const { return MediaPlayer1; }

private:
    QPushButton* lookAroundButton;
    QPushButton* diaryButton;
    QPushButton* newGameButton;
    QPushButton* BitBtn3; // save
    QPushButton* BitBtn4; // load
    QPushButton* helpButton;
    QPushButton* aboutButton;
    QPushButton* exitButton;
    QPushButton* speed1Button;
    QPushButton* speed2Button;
    QPushButton* speed3Button;
    CaptionGroupBox* personalGroup;
    QComboBox* TrackTitles;
    QPushButton* playlistButton;
    // Ten lines, "1" for a charmed girl; what the player types into a line is that girl's flag.
    QPlainTextEdit* girlFlagsBox;
    // The paths of the tracks, parallel to TrackTitles; item 0 is "Без музыки".
    QStringList TrackPaths;
    QTimer* MusicWatchTick;
    // The system media player of the music (MIDI and anything not MP3 or Ogg).
    TMediaPlayer MediaPlayer1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeTimeGroup();
    QWidget* makePersonalGroup();
    QWidget* makeCommandColumn();
    void showGirlFlags();
    void girlFlagsBoxEdited();
    // Leaving the box: lines that are no flag are named to the player and the box shows the flags again.
    void girlFlagsBoxLeft();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void setTracks(const Playlist& playlist);
    void changeTrack();

    GameWindows& m_windows;
    TGameState m_state;
    GameClock m_clock;
    ClockEvents m_events;
    StatusPanel* m_panel;
    bool m_girlFlagsBoxEditing = false;
    bool m_startupDone = false;
    GameKeeper m_keeper;
    // The game is ending: a start-up still under way stops.
    bool m_leaving = false;
    TrackChanges m_trackChanges;
};
