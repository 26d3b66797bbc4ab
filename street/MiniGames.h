// The rules of the two mini-games and of the shooter offer on 3 February 2006, apart from their windows.
#pragma once

#include "core/Ui.h"

#include <QPoint>
#include <QSize>
#include <QStringList>
#include <array>

class TGameState;

// The ball game on the phone: the ball hops over a 3 x 3 grid of cells 128 pixels apart, 16 pixels from the edge.
constexpr int BallCellCount = 9;
constexpr int BallSize = 121;
constexpr int BallFieldSize = 397;
// The ball's top-left corner in the field for a cell 0..8 (row cell / 3, column cell % 3).
QPoint BallPosition(int cell);
// Every hit adds a point of mood, up to 100; the player is told the points scored (nothing after a game without
// a hit), then the mood rises.
RuleOutcome BallGameEnds(TGameState& state, int score);

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

// Where the shooter stands: its titles one after another, then the play.
enum class ShooterTitle { None, Title1, Title2, Intro, Playing };

// The zombie shooter's own state, kept while the program runs: whether the next showing starts afresh, the titles,
// whether the play runs, the countdown (never reset) and the five zombies.
class ZombieShooter {
public:
    // The next showing starts afresh from the titles.
    void StartAfresh() { m_startAfresh = true; }
    // The show step: nothing unless a fresh start is due; then the titles from their beginning, no shooting and
    // every zombie far away at a frame of its own (drawn). Returns whether it started afresh. The countdown keeps
    // whatever it held.
    bool BeginShow();
    // A beat of the titles: the first title again, then the second, then the intro, where they stop. Returns whether
    // the title moved on.
    bool TitleBeat();
    // "Новая игра": the play begins.
    void BeginPlay();
    // A second of the countdown; true when it has run out: the zombies are gone and the girl is saved.
    bool CountdownBeat();
    // A step of the zombies; true when one of them reached the player: the play is lost, and the next showing (or
    // "ДА") starts afresh.
    bool AdvanceBeat();
    // A hit: the zombie falls and comes again from far away.
    void Hit(int index) { m_zombies[std::size_t(index)].size = ZombieAtRest; }

    bool startsAfresh() const { return m_startAfresh; }
    ShooterTitle title() const { return m_title; }
    bool shooting() const { return m_shooting; }
    int secondsLeft() const { return m_secondsLeft; }
    const Zombie& zombie(int index) const { return m_zombies[std::size_t(index)]; }
    // The zombies come faster as the time runs out.
    int advanceInterval() const { return AdvanceInterval(m_secondsLeft); }

private:
    bool m_startAfresh = true;
    ShooterTitle m_title = ShooterTitle::None;
    bool m_shooting = false;
    int m_secondsLeft = ZombieCountdownStart;
    std::array<Zombie, ZombieCount> m_zombies;
};

// The offer comes on 3 February 2006 at 16:20.
bool IsGameOfferTime(const TGameState& state);

enum class ShooterOutcome {
    Refused, // the box was not bought
    Lost, // bought, but the zombies won or the player gave up
    Won, // bought and the girl was rescued
};
// What the school thinks the next day: the player is told, then authority, mood and the girls' affection change.
RuleOutcome ShooterVerdict(TGameState& state, ShooterOutcome outcome);
