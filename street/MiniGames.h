// The rules of the two mini-games and of the shooter offer on 3 February 2006, apart from their windows.
#pragma once

#include <QPoint>
#include <QSize>
#include <QStringList>

class TGameState;

// The ball game on the phone: the ball hops over a 3 x 3 grid of cells 128 pixels apart, 16 pixels from the edge.
constexpr int BallCellCount = 9;
constexpr int BallSize = 121;
constexpr int BallFieldSize = 397;
// The ball's top-left corner in the field for a cell 0..8 (row cell / 3, column cell % 3).
QPoint BallPosition(int cell);
// Every hit adds a point of mood, up to 100; the player is told the points scored (nothing after a game without
// a hit).
QStringList ApplyBallScore(TGameState& state, int score);

// The zombie shooter: five zombies come closer, growing by up to a fifth of their width on every step.
constexpr int ZombieCount = 5;
constexpr int ZombieFrameCount = 3;
// A zombie far away, and one that has just been hit.
constexpr QSize ZombieAtRest(33, 65);
// A zombie this tall has reached the player: the game is lost.
constexpr int ZombieReachHeight = 500;
// The countdown of seconds a player must hold out, at the start of the program (it is never reset).
constexpr int ZombieCountdownStart = 300;

struct Zombie {
    QSize size = ZombieAtRest;
    int frame = 1; // the picture "Zombie" + frame + ".bmp", 1..3
};

// The frame after this one: 1, 2, 3, 1, ...
int NextZombieFrame(int frame);
// One step closer: draws the growth (0 .. width / 5 - 1), moves on to the next frame and grows by the draw.
void AdvanceZombie(Zombie& zombie);
bool ZombieReachedPlayer(const Zombie& zombie);
// The zombies step once every as many milliseconds as there are seconds left, but never faster than every 70 ms.
int AdvanceInterval(int secondsLeft);

// The offer comes on 3 February 2006 at 16:20.
bool IsGameOfferTime(const TGameState& state);

enum class ShooterOutcome {
    Refused, // the box was not bought
    Lost, // bought, but the zombies won or the player gave up
    Won, // bought and the girl was rescued
};
// What the school thinks the next day: authority, mood and the girls' affection; returns what the player is told.
QStringList ApplyShooterOutcome(TGameState& state, ShooterOutcome outcome);
