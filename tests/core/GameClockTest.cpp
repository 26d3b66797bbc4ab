// The rules of one clock tick: time, the hourly vigor, the midnight changes, calendar, quarter, location, jobs.
#include "core/GameClock.h"
#include "GameFixture.h"

namespace {
using ClockRules = GameFixture;

QString timeOf(const TGameState& s)
{
    return QStringLiteral("%1:%2 %3.%4.%5")
        .arg(s.text(Field::Hour), s.text(Field::Minute), s.text(Field::Day), s.text(Field::Month), s.text(Field::Year));
}
}

TEST_F(ClockRules, FirstTickAfterStartShows640Asleep)
{
    ApplyClockRules(state);
    EXPECT_EQ(timeOf(state), "6:40 1.9.2005");
    EXPECT_EQ(state.text(Field::Location), "Сон");
    EXPECT_EQ(state.text(Field::Quarter), "1");
}

TEST_F(ClockRules, MidnightRestsWithTheSleepOfTheLastHourAndRunsTheDailyChangesOnce)
{
    given({ { Field::Hour, "23" }, { Field::Minute, "50" }, { Field::Location, "Сон" }, { Field::Vigor, "50" },
        { Field::Money, "5" }, { Field::JobIncome, "20" }, { Field::AttendsTraining, "Да" }, { Field::FightSkill, "3" },
        { Field::Authority, "-2" }, { Field::LunchMoney, "7" }, { Field::Satiety, "60" }, { Field::Mood, "55" },
        { Field::RobberyAllowedToday, "0" } });
    ClockRulesOutcome outcome = ApplyClockRules(state);

    EXPECT_TRUE(outcome.advanced);
    EXPECT_EQ(timeOf(state), "0:0 2.9.2005");
    EXPECT_EQ(state.text(Field::Vigor), "51");
    EXPECT_EQ(state.text(Field::RobberyAllowedToday), "1");
    // 5 + 20 job pay = 25, training takes 10 → 15, then lunch money 7 → 22.
    EXPECT_EQ(state.text(Field::Money), "22");
    EXPECT_EQ(state.text(Field::FightSkill), "4");
    EXPECT_EQ(state.text(Field::Authority), "-1");
    EXPECT_EQ(state.text(Field::Satiety), "50");
    EXPECT_EQ(state.text(Field::Mood), "45");
    EXPECT_EQ(state.text(Field::Location), "Сон");

    // The next ticks of the night change nothing daily.
    ApplyClockRules(state);
    EXPECT_EQ(state.text(Field::Satiety), "50");
    EXPECT_EQ(state.text(Field::Money), "22");
}

TEST_F(ClockRules, HourlyVigorFollowsTheLocationOfThePreviousTick)
{
    struct Case {
        const char* location;
        const char* minute;
        const char* vigor;
    } cases[] = {
        { "В школе", "50", "49" }, // a waking hour tires
        { "Вне школы", "50", "49" }, { "Сон", "50", "51" }, // an hour asleep rests
        { "Сон", "40", "50" }, // no full hour yet
    };
    for (const Case& c : cases) {
        given({ { Field::Hour, "10" }, { Field::Minute, c.minute }, { Field::Location, c.location },
            { Field::Vigor, "50" } });
        ApplyClockRules(state);
        EXPECT_EQ(state.text(Field::Vigor), c.vigor) << c.location << " :" << c.minute;
    }
}

TEST_F(ClockRules, YearChangesOn30DecemberAndQuarterBecomesThree)
{
    given({ { Field::Hour, "23" }, { Field::Minute, "50" }, { Field::Day, "30" }, { Field::Month, "12" },
        { Field::Year, "2005" }, { Field::Quarter, "2" } });
    ApplyClockRules(state);
    EXPECT_EQ(timeOf(state), "0:0 1.1.2006");
    EXPECT_EQ(state.text(Field::Quarter), "3");
}

TEST_F(ClockRules, TrainingIsChargedOnlyWhenTenRoublesAreLeftAfterThePay)
{
    struct Case {
        const char* money;
        const char* income;
        const char* moneyAfter;
        const char* training;
        const char* skill;
    } cases[] = {
        { "9", "0", "9", "Нет", "0" }, // 9 roubles: training stops, nothing charged
        { "10", "0", "0", "Да", "1" }, // exactly 10: charged
        { "0", "15", "5", "Да", "1" }, // the job pay comes first
    };
    for (const Case& c : cases) {
        given({ { Field::Hour, "23" }, { Field::Minute, "50" }, { Field::Money, c.money },
            { Field::JobIncome, c.income }, { Field::AttendsTraining, "Да" }, { Field::FightSkill, "0" },
            { Field::Authority, "0" }, { Field::LunchMoney, "0" } });
        ApplyClockRules(state);
        EXPECT_EQ(state.text(Field::Money), c.moneyAfter) << c.money;
        EXPECT_EQ(state.text(Field::AttendsTraining), c.training) << c.money;
        EXPECT_EQ(state.text(Field::FightSkill), c.skill) << c.money;
    }
}

TEST_F(ClockRules, LunchMoneyComesAfterTheTrainingFee)
{
    given({ { Field::Hour, "23" }, { Field::Minute, "50" }, { Field::Money, "5" }, { Field::LunchMoney, "10" },
        { Field::AttendsTraining, "Да" } });
    ApplyClockRules(state);
    // The fee was tested on 5 roubles, before lunch money arrived.
    EXPECT_EQ(state.text(Field::AttendsTraining), "Нет");
    EXPECT_EQ(state.text(Field::Money), "15");
}

TEST_F(ClockRules, QuarterAndLocationFollowMonthAndHour)
{
    struct Case {
        int month;
        const char* quarter;
    } quarters[] = { { 9, "1" }, { 10, "1" }, { 11, "2" }, { 12, "2" }, { 1, "3" }, { 3, "3" }, { 4, "4" }, { 5, "4" },
        { 6, "" }, { 7, "" }, { 8, "" } };
    for (const Case& c : quarters)
        EXPECT_EQ(QuarterOfMonth(c.month), QString::fromUtf8(c.quarter)) << c.month;

    const char* locations[24] = { "Сон", "Сон", "Сон", "Сон", "Сон", "Сон", "Сон", "Сон", "В школе", "В школе",
        "В школе", "В школе", "В школе", "Вне школы", "Вне школы", "Вне школы", "Вне школы", "Вне школы", "Вне школы",
        "Вне школы", "Вне школы", "Вне школы", "Вне школы", "Сон" };
    for (int hour = 0; hour < 24; ++hour)
        EXPECT_EQ(LocationOfHour(hour), QString::fromUtf8(locations[hour])) << hour;
}

TEST_F(ClockRules, SummerMonthsKeepTheQuarter)
{
    given({ { Field::Month, "7" }, { Field::Quarter, "4" } });
    ApplyClockRules(state);
    EXPECT_EQ(state.text(Field::Quarter), "4");
}

TEST_F(ClockRules, EachJobIsLostAtItsBoundaryWithItsMessage)
{
    const QString unfit = "К сожалению, вас уволили с работы из-за того, что вы перестали подходить для этой работы. "
                          "Теперь вы безработный.";
    struct Case {
        const char* income;
        const char* mood;
        const char* vigor;
        bool lost;
        QString message;
    } cases[] = {
        { "15", "0", "0", false, {} }, { "20", "50", "0", false, {} },
        { "20", "49", "100", true,
            "К сожалению, вас уволили с работы из-за того, что вы недостаточно улыбчивы. Это "
            "значит, что вы перестали подходить для этой работы. Теперь вы безработный." },
        { "30", "0", "60", false, {} },
        { "30", "100", "59", true,
            "К сожалению, вас уволили с работы из-за того, что вы в рабочее время уснули. Это "
            "значит, что вы перестали подходить для этой работы. Теперь вы безработный." },
        { "40", "60", "0", false, {} },
        { "40", "59", "100", true,
            "К сожалению, вас уволили с работы из-за того, что вы нагрубили клиенту. Это "
            "значит, что вы перестали подходить для этой работы. Теперь вы безработный." },
        { "60", "70", "60", false, {} }, { "60", "69", "100", true, unfit }, { "60", "100", "59", true, unfit },
        { "80", "80", "70", false, {} }, { "80", "79", "100", true, unfit }, { "80", "100", "69", true, unfit },
        { "110", "100", "70", false, {} }, { "110", "99", "100", true, unfit }, { "110", "100", "69", true, unfit },
        { "25", "0", "0", false, {} }, // a pay the job centre never offers is never lost
    };
    for (const Case& c : cases) {
        given({ { Field::Hour, "14" }, { Field::Minute, "0" }, { Field::JobIncome, c.income }, { Field::Mood, c.mood },
            { Field::Vigor, c.vigor } });
        const ClockRulesOutcome outcome = ApplyClockRules(state);
        EXPECT_EQ(state.text(Field::JobIncome), c.lost ? "0" : c.income) << c.income << " " << c.mood << " " << c.vigor;
        EXPECT_EQ(outcome.notices, c.lost ? QStringList { c.message } : QStringList {}) << c.income;
        EXPECT_TRUE(ui.shown.isEmpty()) << "the rules only say what to tell; the clock's caller shows it";
    }
}

TEST_F(ClockRules, UnknownJobIncomeIsPaidEveryMidnight)
{
    given({ { Field::Hour, "23" }, { Field::Minute, "50" }, { Field::JobIncome, "1000" }, { Field::Money, "0" } });
    ApplyClockRules(state);
    EXPECT_EQ(state.text(Field::Money), "1000");
    EXPECT_EQ(state.text(Field::JobIncome), "1000");
}

TEST_F(ClockRules, OlyaInLoveUndoesTheMidnightMoodLoss)
{
    state.setCharmed(9, true);
    given({ { Field::Hour, "23" }, { Field::Minute, "50" }, { Field::Mood, "100" } });
    ApplyClockRules(state);
    EXPECT_EQ(state.text(Field::Mood), "100");
    // Without her the night takes its 10.
    state.setCharmed(9, false);
    given({ { Field::Hour, "23" }, { Field::Minute, "50" } });
    ApplyClockRules(state);
    EXPECT_EQ(state.text(Field::Mood), "90");
}

TEST_F(ClockRules, NonNumericValueAbandonsOnlyTheRuleThatReadIt)
{
    given({ { Field::Hour, "23" }, { Field::Minute, "50" }, { Field::Money, "abc" }, { Field::JobIncome, "20" },
        { Field::Satiety, "70" } });
    ClockRulesOutcome outcome = ApplyClockRules(state);
    EXPECT_TRUE(outcome.advanced);
    ASSERT_FALSE(outcome.conversionErrors.isEmpty());
    EXPECT_EQ(outcome.conversionErrors.first(), "'abc' is not a valid integer value");
    EXPECT_EQ(state.text(Field::Money), "abc");
    EXPECT_EQ(state.text(Field::Satiety), "60");
    EXPECT_EQ(timeOf(state), "0:0 2.9.2005");

    // A time that cannot be read stops the whole tick.
    given({ { Field::Minute, "x" } });
    outcome = ApplyClockRules(state);
    EXPECT_FALSE(outcome.advanced);
    EXPECT_EQ(outcome.conversionErrors, QStringList { "'x' is not a valid integer value" });
    EXPECT_EQ(state.text(Field::Minute), "x");
}

TEST_F(ClockRules, LoadedMinuteKeepsItsRemainderUntilTheNextHour)
{
    given({ { Field::Hour, "9" }, { Field::Minute, "35" } });
    ApplyClockRules(state);
    EXPECT_EQ(timeOf(state), "9:45 1.9.2005");
    ApplyClockRules(state);
    EXPECT_EQ(timeOf(state), "9:55 1.9.2005");
    ApplyClockRules(state);
    EXPECT_EQ(timeOf(state), "10:0 1.9.2005");
}

TEST_F(ClockRules, SumsStopAtTheValueLimitInsteadOfRunningOver)
{
    // Every change of a number goes through the state's operations, which hold it within ±ValueLimit.
    struct Sum {
        qint64 value, delta;
        int expected;
    } sums[] = {
        { 999999990, 50, 999999999 },
        { -999999990, -50, -999999999 },
        { 999999999, -1, 999999998 },
        { 5, -10, -5 },
        { 999999999, 999999999, 999999999 },
        { -999999999, -999999999, -999999999 },
    };
    for (const Sum& s : sums) {
        GameValues values;
        values.setNumber(Field::Money, s.value);
        values.add(Field::Money, s.delta);
        EXPECT_EQ(values.number(Field::Money), s.expected) << s.value << " + " << s.delta;
    }
    // A move takes no more than the source holds and the destination can take: nothing is lost or made.
    struct Move {
        qint64 from, to, amount;
        int moved;
    } moves[] = {
        { 999999999, 999999999, 999999999, 0 },
        { 5, 999999998, 5, 1 },
        { 100, 0, 30, 30 },
        { 20, 0, 30, 20 },
        { -5, 0, 30, 0 },
        { 10, -999999999, 999999999, 10 },
    };
    for (const Move& m : moves) {
        GameValues values;
        values.setNumber(Field::Money, m.from);
        values.setNumber(Field::PiggyBank, m.to);
        EXPECT_EQ(values.move(Field::Money, Field::PiggyBank, m.amount), m.moved) << m.from << " -> " << m.to;
        EXPECT_EQ(qint64(values.number(Field::Money)) + values.number(Field::PiggyBank), m.from + m.to);
    }

    // The midnight pay, training and lunch money on values at the edge.
    given({ { Field::Hour, "23" }, { Field::Minute, "50" }, { Field::Money, "999999999" }, { Field::JobIncome, "50" },
        { Field::AttendsTraining, "Да" }, { Field::FightSkill, "999999999" }, { Field::Authority, "999999999" },
        { Field::LunchMoney, "50" } });
    ClockRulesOutcome outcome = ApplyClockRules(state);
    EXPECT_TRUE(outcome.conversionErrors.isEmpty());
    EXPECT_EQ(state.text(Field::Money), "999999999");
    EXPECT_EQ(state.text(Field::FightSkill), "999999999");
    EXPECT_EQ(state.text(Field::Authority), "999999999");
}
