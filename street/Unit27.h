// The fist fight: the opponent winds up and strikes, the player punches left and right.
#pragma once

#include "core/GameWindow.h"
#include "street/FistFight.h"

#include <QImage>
#include <QPoint>

class PictureBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

class TForm27 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm27(GameWindows& windows);

    // The two fights; true when the player won. The opener applies the result.
    bool FightThug();
    bool FightPasserBy();

    const FightState& fight() const { return m_fight; }
    // Where the right and the left fist rest and where they land.
    static constexpr QPoint RightFistRest { 432, 472 };
    static constexpr QPoint RightFistPunch { 160, 288 };
    static constexpr QPoint LeftFistRest { -376, 544 };
    static constexpr QPoint LeftFistPunch { -328, 192 };

private:
    void Button1Click();
    void Button2Click();
    void PunchInFlightTimer();
    void OpponentTimerTimer();
    void DecayTimerTimer();
    bool Fight(int opponentLives, const QString& caption, const QString& calmPicture, const QString& strikePicture);
    void Punch(FightHand hand);
    void ShowBars();
    void End(FightEnd end);

    PictureBox* opponentPicture; // 460 x 620 on the left
    QLabel* Label1; // "Жизни гопника:"
    QProgressBar* opponentBar;
    QLabel* Label2; // "Ваши жизни:"
    QProgressBar* playerBar;
    QLabel* Label3; // "Сила удара:"
    QProgressBar* powerBar;
    QPushButton* Button1; // "Вмазать левой"
    QPushButton* Button2; // "Вмазать правой"
    PictureBox* rightFist;
    PictureBox* leftFist;
    QTimer* PunchInFlight; // 500 ms after a punch
    QTimer* OpponentTimer; // every 500 ms
    QTimer* DecayTimer; // every 1500 ms

    FightState m_fight;
    QImage m_calm; // held only while the fight is on
    QImage m_strike;
    bool m_over = true;
};
