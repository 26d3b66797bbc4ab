#include "core/GameClock.h"

#include "core/Errors.h"
#include "core/GameState.h"

GameClock::GameClock(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(ClockPeriodSlow);
    connect(&m_timer, &QTimer::timeout, this, &GameClock::tick);
}

void GameClock::start()
{
    m_started = true;
    update();
}

void GameClock::pause()
{
    ++m_pauseDepth;
    update();
}

void GameClock::resume()
{
    if (m_pauseDepth > 0)
        --m_pauseDepth;
    update();
}

void GameClock::update()
{
    bool shouldRun = m_started && m_pauseDepth == 0;
    if (shouldRun && !m_timer.isActive())
        m_timer.start();
    else if (!shouldRun && m_timer.isActive())
        m_timer.stop();
}

QString QuarterOfMonth(int month)
{
    switch (month) {
    case 9:
    case 10:
        return QStringLiteral("1");
    case 11:
    case 12:
        return QStringLiteral("2");
    case 1:
    case 2:
    case 3:
        return QStringLiteral("3");
    case 4:
    case 5:
        return QStringLiteral("4");
    default:
        return {};
    }
}

QString LocationOfHour(int hour)
{
    if (hour >= 8 && hour <= 12)
        return LocationAtSchool;
    if (hour >= 13 && hour <= 22)
        return LocationOutside;
    if (hour == 23 || (hour >= 0 && hour <= 7))
        return LocationAsleep;
    return {};
}

namespace {
const QString& Sleep = LocationAsleep;
const QString& Yes = TextYes;
const QString& No = TextNo;

const QString FiredNotSmiling = QStringLiteral(
    "К сожалению, вас уволили с работы из-за того, что вы недостаточно улыбчивы. Это значит, что вы перестали "
    "подходить для этой работы. Теперь вы безработный.");
const QString FiredAsleep = QStringLiteral(
    "К сожалению, вас уволили с работы из-за того, что вы в рабочее время уснули. Это значит, что вы перестали "
    "подходить для этой работы. Теперь вы безработный.");
const QString FiredRude = QStringLiteral(
    "К сожалению, вас уволили с работы из-за того, что вы нагрубили клиенту. Это значит, что вы перестали "
    "подходить для этой работы. Теперь вы безработный.");
const QString FiredUnfit
    = QStringLiteral("К сожалению, вас уволили с работы из-за того, что вы перестали подходить для этой работы. "
                     "Теперь вы безработный.");

// A job is known by its pay. It stays while Mood and Vigor are at least these values (0 = no demand).
struct JobKeepRule {
    const char* income;
    int minMood;
    int minVigor;
    const QString* message;
};

const JobKeepRule JobKeepRules[] = {
    { "20", 50, 0, &FiredNotSmiling },
    { "30", 0, 60, &FiredAsleep },
    { "40", 60, 0, &FiredRude },
    { "60", 70, 60, &FiredUnfit },
    { "80", 80, 70, &FiredUnfit },
    { "110", 100, 70, &FiredUnfit },
};

template <class Rule> void applyMidnight(TGameState& state, Rule&& rule)
{
    state.setNumber(Field::RobberyAllowedToday, 1);
    rule([&] { state.add(Field::Money, state.number(Field::JobIncome)); });
    rule([&] {
        if (state.text(Field::AttendsTraining) != Yes)
            return;
        int money = state.number(Field::Money);
        if (money < 10) {
            state.setText(Field::AttendsTraining, No);
            return;
        }
        // All three are read before any changes, so a damaged value leaves the training unpaid and untrained.
        state.number(Field::FightSkill);
        state.number(Field::Authority);
        state.add(Field::Money, -10);
        state.add(Field::FightSkill, 1);
        state.add(Field::Authority, 1);
    });
    rule([&] { state.add(Field::Satiety, -10); });
    rule([&] { state.add(Field::Mood, -10); });
    rule([&] { state.add(Field::Money, state.number(Field::LunchMoney)); });
}

// Takes the job away when the player no longer fits it; returns what the player is told.
QStringList applyJobLoss(TGameState& state)
{
    const QString& income = state.text(Field::JobIncome);
    for (const JobKeepRule& job : JobKeepRules) {
        if (income != QLatin1String(job.income))
            continue;
        bool keeps = (job.minMood == 0 || state.number(Field::Mood) >= job.minMood)
            && (job.minVigor == 0 || state.number(Field::Vigor) >= job.minVigor);
        if (!keeps) {
            state.setNumber(Field::JobIncome, 0);
            return { *job.message };
        }
        return {};
    }
    return {};
}
}

ClockReading ReadClock(const TGameState& state)
{
    return { state.number(Field::Hour), state.number(Field::Minute), state.number(Field::Day),
        state.number(Field::Month), state.number(Field::Year) };
}

ClockRulesOutcome ApplyClockRules(TGameState& state)
{
    ClockRulesOutcome outcome;
    auto rule = [&](auto&& body) {
        try {
            body();
        } catch (const EConvertError& error) {
            outcome.conversionErrors.append(error.message());
        }
    };

    ClockReading t;
    try {
        t = ReadClock(state);
    } catch (const EConvertError& error) {
        outcome.conversionErrors.append(error.message());
        return outcome;
    }

    // The clock stops at the last bell and waits there for the end of the year, which starts a new one: a game
    // left at that moment (the program closed during the exams, or saved then and loaded) still hears the bell on
    // its next tick, and no time past it is ever reached.
    const bool lastBell = t.year == LastBell.year && t.month == LastBell.month && t.day == LastBell.day
        && t.hour == LastBell.hour && t.minute == LastBell.minute;
    // Sums stop at the value limit, so an edited time far out of range never runs over.
    t.minute = lastBell ? t.minute : Bounded(qint64(t.minute) + 10);
    if (t.minute > 59) {
        t.minute = 0;
        t.hour = Bounded(qint64(t.hour) + 1);
        // The location is still the one of the previous tick: an hour asleep rests, an hour awake tires.
        rule([&] { state.add(Field::Vigor, state.text(Field::Location) == Sleep ? 1 : -1); });
        if (t.hour > 23) {
            t.hour = 0;
            t.day = Bounded(qint64(t.day) + 1);
            applyMidnight(state, rule);
            if (t.day > 30) {
                t.day = 1;
                t.month = Bounded(qint64(t.month) + 1);
                if (t.month > 12) {
                    t.month = 1;
                    t.year = Bounded(qint64(t.year) + 1);
                }
            }
        }
    }

    // Written only when it changes, which is a few times a year.
    const QString quarter = QuarterOfMonth(t.month);
    if (!quarter.isEmpty() && state.text(Field::Quarter) != quarter)
        state.setNumber(Field::Quarter, quarter.toInt());

    state.setNumber(Field::Hour, t.hour);
    state.setNumber(Field::Minute, t.minute);
    state.setNumber(Field::Day, t.day);
    state.setNumber(Field::Month, t.month);
    state.setNumber(Field::Year, t.year);

    QString location = LocationOfHour(t.hour);
    if (!location.isEmpty())
        state.setText(Field::Location, location);

    // Оля in love keeps the mood at its best, whatever the night took.
    if (state.charmed(OlyaGirl))
        state.setNumber(Field::Mood, 100);

    rule([&] { outcome.notices = applyJobLoss(state); });

    // One bad value read by several rules is reported once.
    outcome.conversionErrors.removeDuplicates();
    outcome.advanced = true;
    outcome.stood = lastBell;
    outcome.time = t;
    return outcome;
}
