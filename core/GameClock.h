// The game clock: a timer that moves game time on by 10 minutes per tick, and the rules every tick applies.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class TGameState;

// Tick periods of the speed buttons "1", "2" and "3".
constexpr int ClockPeriodSlow = 400;
constexpr int ClockPeriodNormal = 150;
constexpr int ClockPeriodFast = 10;

// The timer of the main window. It is off until the start-up switches it on. Windows that open over the game pause
// it and resume it when they close; pauses nest, so an inner resume never restarts a clock an outer window holds.
class GameClock : public QObject {
    Q_OBJECT
public:
    explicit GameClock(QObject* parent = nullptr);

    void start();
    void pause();
    void resume();
    bool isRunning() const { return m_timer.isActive(); }
    bool isStarted() const { return m_started; }
    int period() const { return m_timer.interval(); }
    void setPeriod(int milliseconds) { m_timer.setInterval(milliseconds); }

signals:
    void tick();

private:
    void update();
    QTimer m_timer;
    bool m_started = false;
    int m_pauseDepth = 0;
};

// Holds the clock paused for as long as it lives, so the clock comes back even when the window in between failed.
class ClockPause {
public:
    explicit ClockPause(GameClock& clock)
        : m_clock(clock)
    {
        m_clock.pause();
    }
    ~ClockPause() { m_clock.resume(); }
    ClockPause(const ClockPause&) = delete;
    ClockPause& operator=(const ClockPause&) = delete;

private:
    GameClock& m_clock;
};

// The time the tick reached, as whole numbers.
struct ClockReading {
    int hour = 0;
    int minute = 0;
    int day = 0;
    int month = 0;
    int year = 0;
};

// The clock as the state shows it now; throws EConvertError when a value is not a number.
ClockReading ReadClock(const TGameState& state);

// The last bell of the school year, 8:00 on 24 May 2006: the clock goes no further.
constexpr ClockReading LastBell { 8, 0, 24, 5, 2006 };

struct ClockRulesOutcome {
    bool advanced = false; // false when the time itself could not be read; the tick is then abandoned
    // The clock stood at the last bell: the moment's checks ran when it was reached, and only the end of the year,
    // which was under way then, is still to come (a game kept or saved while the exams were on).
    bool stood = false;
    ClockReading time;
    QStringList conversionErrors; // messages of the rules that met a value that is not a number
    QStringList notices; // what the player is told without stopping the clock (a lost job)
};

// The rules of one tick before the events: the time (which stays at the last bell once there), the hourly vigor, the
// midnight changes, the calendar, the quarter and the location, Оля's mood, and the job loss rules (whose messages the
// caller shows as notices, which do not stop the clock). A rule that meets a non-numeric value is left out and its
// message returned; the other rules still apply.
ClockRulesOutcome ApplyClockRules(TGameState& state);

// The quarter for a month: "1" to "4", or an empty text in the summer months, when the quarter stays as it was.
QString QuarterOfMonth(int month);
// The location for an hour: "В школе", "Вне школы", "Сон", or an empty text for an hour outside 0..23.
QString LocationOfHour(int hour);
