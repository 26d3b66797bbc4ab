// The zombie shooter: titles, then five zombies come closer while the countdown runs; hold out and save the girl.
#pragma once

#include "audio/MediaPlayer.h"
#include "core/GameWindow.h"
#include "street/MiniGames.h"

#include <QHash>
#include <QImage>
#include <array>

class ClickPicture;
class PictureBox;
class QLabel;
class QPushButton;
class QTimer;

class TForm36 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm36(GameWindows& windows);

    // Starts the game afresh from its titles and shows it; OK only when the girl was rescued.
    ModalResult Start();

    // The game's own state: the titles, the play, the countdown and the zombies.
    const ZombieShooter& shooter() const { return m_shooter; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The show step: on showing the window and on "ДА"; does nothing unless a fresh start is due.
    void FormShow();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Button1Click();
    void Button4Click();
    void Image1Click();
    void ZombieClick(int index);
    void Cancel();
    void Button6Click();

    void showBackground(const QString& gamePath);
    void showZombie(int index, const QString& gamePath);
    void stopTimers();
    // The pictures and sounds, read at the first showing; a file that cannot be read is reported once.
    void loadContent();
    // Reads every picture of the game into m_pictures (a failing one as an empty picture); returns what failed.
    QStringList loadPictures();
    // A picture of the game, read again if it left with the window.
    QImage picture(const QString& gamePath);

    ClickPicture* Image1; // the background: titles, intro, the playfield; a shot when clicked during play
    std::array<ClickPicture*, ZombieCount> Zombies; // hit when clicked
    PictureBox* gunImage; // shown during play
    PictureBox* girlImage; // the rescued girl
    QLabel* ZombieCountdown; // seconds left
    QLabel* Label1; // "--- GAME OVER ---"
    QLabel* Label2; // "Попробовать сначала?"
    QLabel* Label3; // the rescued girl's words
    QPushButton* Button1; // "Новая игра"
    QPushButton* Button2; // "Выход": Cancel
    QPushButton* Button3; // "Не хочу играть!": Cancel
    QPushButton* Button4; // "ДА": from the titles again
    QPushButton* Button5; // "НЕТ": Cancel
    QPushButton* Button6; // "-- Поцеловать --": OK
    QTimer* Timer1; // the titles, every 3000 ms
    QTimer* Timer2; // the countdown, every 1000 ms
    QTimer* Timer3; // the zombies' advance, 300 ms at first, then faster
    TMediaPlayer MediaPlayer1; // the shot
    TMediaPlayer MediaPlayer2; // a zombie's death

    ZombieShooter m_shooter;
    QHash<QString, QImage> m_pictures; // while a game is on
    bool m_contentLoaded = false;
};
