// The checks that end every tick: deaths, the question days and the question in class, the street event on the 5th,
// the mother's reward after a quarter, and New Year.
#include "game/ClockEvents.h"
#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/DataPath.h"
#include "core/TextFile.h"
#include "core/Unit32.h"
#include "game/Unit1.h"
#include "records/Unit35.h"
#include "records/Unit4.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Keeps the main window open when the death window ends the game, and counts the attempts.
class CloseCatcher : public QObject {
public:
    int closes = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        ++closes;
        event->ignore();
        return true;
    }
};

class ClockEventsTest : public GameFixture {
protected:
    ClockEventsTest()
        : events(*forms)
    {
        forms->form1().installEventFilter(&closeCatcher);
    }

    void at(const char* hour, const char* minute, const char* day, const char* month, const char* year = "2005")
    {
        given({ { Field::Hour, U(hour) }, { Field::Minute, U(minute) }, { Field::Day, U(day) },
            { Field::Month, U(month) }, { Field::Year, U(year) } });
    }

    // The street check tosses a coin on every tick; a 1 keeps the street quiet. Queue it after the tick's other draws.
    void quietStreet() { random.add(1, 2); }

    // One tick of the game clock on a quiet street.
    void tick()
    {
        quietStreet();
        forms->form1().GameClockTick();
    }

    void writeQuestions(const char* fileSubject)
    {
        QDir().mkpath(QStringLiteral("Data/Questions"));
        WriteLines1251(DataPath(QStringLiteral("Data\\Questions\\") + U(fileSubject) + QStringLiteral(".qst")),
            { U("Первый?@a#b#c"), U("Второй?@a#b#c"), U("Третий?@a#b#c") });
    }

    // The draws of a questioning on a three-line file in which the player answers "a", always right.
    void scriptRightQuestioning() { random.add({ 0, 0, 1, 0, 2, 0 }); }
    static void answerThreeTimes(TForm35& w)
    {
        for (int i = 0; i < 3; ++i)
            click(Child<QPushButton>(w, "Button1"));
    }

    ClockEvents events;
    CloseCatcher closeCatcher;
};
}

TEST_F(ClockEventsTest, LeavingFromTheDeathWindowClosesEveryWindowOpenBeneathIt)
{
    // The diary holds no clock, so the player may die while reading it; "Выйти" must end the game even so.
    given({ { Field::Satiety, "0" } });
    bool diaryOpenWhenDying = false;
    ui.onModal<TForm4>([&](TForm4& diary) {
        ui.onModal<TForm32>([&](TForm32& death) {
            diaryOpenWhenDying = diary.isVisible();
            click(Child<QPushButton>(death, "Button2")); // "Выйти"
        });
        events.DeathCheck();
        EXPECT_FALSE(diary.isVisible()) << "the diary stays open over a game that has ended";
    });
    const int closesBefore = closeCatcher.closes;
    click(Child<QPushButton>(forms->form1(), "diaryButton"));
    EXPECT_TRUE(diaryOpenWhenDying);
    EXPECT_EQ(closeCatcher.closes - closesBefore, 1) << "the main window closes, ending the game";
}

TEST_F(ClockEventsTest, TheLastCauseThatHoldsIsTheOneTheDeathWindowNames)
{
    struct Case {
        const char* satiety;
        const char* mood;
        const char* vigor;
        const char* cause; // nullptr: the player lives
    };
    const Case cases[] = {
        { "0", "0", "0", "постоянного недосыпания." },
        { "0", "50", "50", "голода." },
        { "-5", "50", "50", "голода." },
        { "50", "0", "50", "удушья. Будучи в депрессии вы решили повеситься." },
        { "0", "0", "50", "удушья. Будучи в депрессии вы решили повеситься." },
        { "0", "50", "0", "постоянного недосыпания." },
        { "1", "1", "1", nullptr },
        { "50", "1", "50", nullptr },
    };
    forms->clock().start();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.satiety) + " " + c.mood + " " + c.vigor);
        given({ { Field::Satiety, U(c.satiety) }, { Field::Mood, U(c.mood) }, { Field::Vigor, U(c.vigor) } });
        const int closesBefore = closeCatcher.closes;
        if (c.cause) {
            ui.onModal<TForm32>([&](TForm32& w) {
                EXPECT_EQ(Child<QLabel>(w, "DeathCause")->text(), U(c.cause));
                EXPECT_FALSE(forms->clock().isRunning());
                click(Child<QPushButton>(w, "Button2")); // "Выйти"
            });
        }
        events.DeathCheck();
        EXPECT_EQ(closeCatcher.closes - closesBefore, c.cause ? 1 : 0) << "the main window closes, ending the game";
        EXPECT_TRUE(forms->clock().isRunning());
    }
}

TEST_F(ClockEventsTest, TryingAgainAsksForTheNewGameAndANoBringsTheWindowBackOnTheNextTick)
{
    at("15", "0", "12", "10");
    given({ { Field::Satiety, U("0") }, { Field::Money, U("500") } });
    // "No": nothing changes, the game goes on.
    ui.onModal<TForm32>([](TForm32& w) { click(Child<QPushButton>(w, "Button1")); });
    ui.answerConfirm(false);
    tick();
    EXPECT_EQ(state.text(Field::Money), U("500"));
    EXPECT_EQ(state.text(Field::Minute), U("10"));
    // The next tick: the window again; "Yes" starts a new game.
    ui.onModal<TForm32>([](TForm32& w) { click(Child<QPushButton>(w, "Button1")); });
    ui.answerConfirm(true);
    tick();
    EXPECT_EQ(ui.shownWindows, QStringList({ U("СМЕРТЬ!"), U("СМЕРТЬ!") }));
    EXPECT_EQ(ui.questions.size(), 2);
    EXPECT_EQ(state.text(Field::Money), U("80"));
    EXPECT_EQ(state.text(Field::Satiety), U("100"));
    EXPECT_EQ(state.text(Field::Hour), U("8"));
    EXPECT_EQ(closeCatcher.closes, 0);
}

TEST_F(ClockEventsTest, QuestionsComeAtNoonOnTheFirstDayNoneOnTheSecondAndAtADrawnHourOnTheThird)
{
    useWorkingDirectory();
    writeQuestions("Обществознание");
    writeQuestions("ОБЖ");
    ResetForNewGame(state);
    QStringList questionTimes;
    auto recordTime = [&](TForm35& w) {
        questionTimes << state.text(Field::Day) + U(" ") + state.text(Field::Hour) + U(":") + state.text(Field::Minute)
                + U(" ") + w.windowTitle();
        answerThreeTimes(w);
    };
    scriptRightQuestioning();
    ui.onModal<TForm35>(recordTime);
    random.add(1, 5); // 7:00 on day 3: hour 9
    scriptRightQuestioning();
    ui.onModal<TForm35>(recordTime);
    while (state.text(Field::Day) != U("4")) {
        ASSERT_TRUE(ApplyClockRules(state).advanced);
        events.QuestionHourCheck();
        events.TeacherQuestionCheck();
    }
    EXPECT_EQ(questionTimes, QStringList({ U("1 12:0 Предмет: Обществознание"), U("3 9:0 Предмет: ОБЖ") }));
    EXPECT_EQ(state.grade(SubjectIndex(U("Обществознание")), Quarter1), U("5"));
    EXPECT_EQ(state.grade(SubjectIndex(U("ОБЖ")), Quarter1), U("5"));
    EXPECT_EQ(state.text(Field::QuestionHour), U("9"));
}

TEST_F(ClockEventsTest, TheQuestionInClassHoldsTheClockAndGradesTheCurrentQuarter)
{
    useWorkingDirectory();
    writeQuestions("Физ-ра");
    // Every subject of the second quarter graded but physical education, so the teacher asks that one.
    DiaryGrades diary;
    for (int s = 0; s < SubjectCount; ++s)
        diary.setCell(s, Quarter2, U("5"));
    diary.setCell(SubjectIndex(U("Физ/ра")), Quarter2, U("0"));
    state.setDiary(diary);
    given({ { Field::Quarter, U("2") }, { Field::QuestionHour, U("10") }, { Field::Hour, U("10") },
        { Field::Minute, U("0") } });
    forms->clock().start();
    scriptRightQuestioning();
    ui.onModal<TForm35>([&](TForm35& w) {
        EXPECT_EQ(w.windowTitle(), U("Предмет: Физ-ра"));
        EXPECT_FALSE(forms->clock().isRunning());
        answerThreeTimes(w);
    });
    events.TeacherQuestionCheck();
    EXPECT_TRUE(forms->clock().isRunning());
    EXPECT_EQ(state.grade(SubjectIndex(U("Физ/ра")), Quarter2), U("5"));
    EXPECT_EQ(state.grade(SubjectIndex(U("Физ/ра")), Quarter1), U("0"));
}

TEST_F(ClockEventsTest, AMissingQuestionFileLeavesTheDiaryAndTheClockAsTheyWere)
{
    useWorkingDirectory(); // no question files at all
    given({ { Field::QuestionHour, U("11") }, { Field::Hour, U("11") }, { Field::Minute, U("0") } });
    const DiaryGrades before = state.diary();
    forms->clock().start();
    events.TeacherQuestionCheck();
    EXPECT_TRUE(forms->clock().isRunning());
    EXPECT_TRUE(state.diary() == before);
    EXPECT_TRUE(ui.shownWindows.isEmpty());
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].contains(U("Data\\Questions\\Обществознание.qst")));
}

TEST_F(ClockEventsTest, TheStreetEventOnTheFifthAt17HasFourOutcomes)
{
    struct Case {
        int r2, r3;
        int money, authority;
        const char* message;
    };
    const Case cases[] = {
        { 0, 0, 150, 4, "Как хорошо, что вы прошли именно по этой улице! Вы нашли 50 рублевую купюру!" },
        { 0, 1, 110, 4, "Как говорится, мелочь, а приятно. Вы нашли 10 рублей." },
        { 1, 0, 100, 3, "Из-за нечаянно сказанной не в тему шутки, ваш авторитет упал на 1 единицу." },
        { 1, 1, 100, 2, "И кто вас просил лезть в драку с этим Вовкой? Ваш авторитет упал на 2 единицы." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ui.notices.clear();
        at("16", "50", "5", "9");
        // Authority below 5 keeps the evening thug and his draw away.
        given({ { Field::Money, U("100") }, { Field::Authority, U("4") } });
        random.add(0, 2);
        random.add(c.r2, 2);
        random.add(c.r3, 2);
        forms->form1().GameClockTick();
        EXPECT_EQ(state.number(Field::Money), c.money);
        EXPECT_EQ(state.number(Field::Authority), c.authority);
        EXPECT_EQ(ui.notices, QStringList { U(c.message) });
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << "the street event does not stop the clock";
    // The first coin lands on 1, or it is not the 5th at 17:00: one draw and nothing happens.
    ui.notices.clear();
    ui.shown.clear();
    at("16", "50", "5", "2", "2006");
    tick();
    at("16", "50", "6", "2", "2006");
    random.add(0, 2);
    forms->form1().GameClockTick();
    at("17", "0", "5", "2", "2006");
    random.add(0, 2);
    forms->form1().GameClockTick();
    EXPECT_TRUE(ui.shown.isEmpty());
    EXPECT_EQ(state.number(Field::Money), 100);
}

TEST_F(ClockEventsTest, TheMotherRewardsAQuarterWithoutLowGrades)
{
    const QString excellent = U("За отличную учебу ваша мама дала вам сумму в размере 30 рублей. Так держать!");
    const QString good = U("За хорошую учебу ваша мама дала вам сумму в размере 20 рублей. Так держать!");
    const QString poor = U("Ваша мать посмотрела в ваш дневник и ужаснулась. Вы - троечник! Кажись, она не даст вам "
                           "деньги за хорошую учебу...");
    struct Case {
        const char* month;
        int column; // the quarter column given the grades below
        std::vector<const char*> grades; // the first subjects' grades, the rest "0"
        const char* title;
        const QString* report;
        int reward;
    };
    const Case cases[] = {
        { "11", Quarter1, {}, "--- Конец первой четверти ---", &excellent, 30 },
        { "11", Quarter1, { "5", "5", "5" }, "--- Конец первой четверти ---", &excellent, 30 },
        { "11", Quarter1, { "5", "4", "5" }, "--- Конец первой четверти ---", &good, 20 },
        { "11", Quarter1, { "5", "4", "3" }, "--- Конец первой четверти ---", &poor, 0 },
        { "11", Quarter1, { "2" }, "--- Конец первой четверти ---", &poor, 0 },
        { "1", Quarter2, { "4", "4" }, "--- Конец второй четверти ---", &good, 20 },
        { "1", Quarter1, { "3" }, "--- Конец второй четверти ---", &excellent, 30 }, // an older quarter's "3"
        { "4", Quarter3, { "5", "3" }, "--- Конец третьей четверти ---", &poor, 0 },
        { "4", Quarter4, { "3" }, "--- Конец третьей четверти ---", &excellent, 30 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.month) + " " + std::to_string(c.grades.size()));
        DiaryGrades diary;
        for (size_t s = 0; s < c.grades.size(); ++s)
            diary.setCell(int(s), c.column, U(c.grades[s]));
        state.setDiary(diary);
        ui.notices.clear();
        at("7", "0", "1", c.month, c.month == std::string("11") ? "2005" : "2006");
        given({ { Field::Money, U("100") } });
        // The money comes when the player has read the report, not before.
        QStringList moneyWhenShown;
        ui.whenShown = [&](const QString&) { moneyWhenShown << state.text(Field::Money); };
        tick();
        ui.whenShown = {};
        EXPECT_EQ(ui.notices, QStringList({ U(c.title), *c.report }));
        EXPECT_EQ(moneyWhenShown, QStringList({ U("100"), U("100") }));
        EXPECT_TRUE(ui.messages.isEmpty()) << "the reports do not stop the clock";
        EXPECT_EQ(state.number(Field::Money), 100 + c.reward);
    }
    // A game begun anew from the death window on that very tick has played no quarter: no report, no money.
    at("7", "0", "1", "11");
    given({ { Field::Satiety, U("0") } });
    ui.notices.clear();
    ui.onModal<TForm32>([](TForm32& w) { click(Child<QPushButton>(w, "Button1")); });
    ui.answerConfirm(true);
    tick();
    EXPECT_TRUE(ui.notices.isEmpty()) << ui.notices.join(" | ").toStdString();
    EXPECT_EQ(state.text(Field::Money), U("80"));
    // No report after the fourth quarter, nor at another time of those mornings.
    for (const char* month : { "5", "12" }) {
        ui.shown.clear();
        at("7", "0", "1", month, "2006");
        tick();
        EXPECT_TRUE(ui.shown.isEmpty()) << month;
    }
    at("7", "10", "1", "11");
    tick();
    EXPECT_TRUE(ui.shown.isEmpty());
}

TEST_F(ClockEventsTest, NewYearCheersUpOnlyAt1150OnTheThirtiethOfDecember)
{
    const QString newYear
        = U("Новый год, ура! Какой же все-таки это прекрасный праздник - Новый Год! Ваше настроение стало 100%");
    struct Case {
        const char* hour;
        const char* minute;
        const char* day;
        const char* month;
        bool celebrates;
    };
    const Case cases[] = {
        { "11", "40", "30", "12", true },
        { "11", "50", "30", "12", false },
        { "11", "40", "29", "12", false },
        { "11", "40", "30", "11", false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.hour) + ":" + c.minute + " " + c.day + "." + c.month);
        ui.shown.clear();
        at(c.hour, c.minute, c.day, c.month);
        given({ { Field::Mood, U("40") } });
        QString moodWhenShown;
        ui.whenShown = [&](const QString&) { moodWhenShown = state.text(Field::Mood); };
        tick();
        ui.whenShown = {};
        EXPECT_EQ(moodWhenShown, c.celebrates ? U("40") : QString()) << "the mood rises once the player has read why";
        EXPECT_EQ(ui.notices, c.celebrates ? QStringList { newYear } : QStringList {});
        EXPECT_EQ(ui.shown, ui.notices) << "New Year does not stop the clock";
        ui.notices.clear();
        EXPECT_EQ(state.text(Field::Mood), U(c.celebrates ? "100" : "40"));
    }
}

TEST_F(ClockEventsTest, AValueThatIsNotANumberStopsOnlyItsOwnCheck)
{
    at("11", "40", "30", "12");
    given({ { Field::Vigor, U("много") }, { Field::Mood, U("40") } });
    ui.expectErrorBoxes();
    forms->clock().start();
    tick();
    EXPECT_EQ(ui.errors, QStringList { U("'много' is not a valid integer value") });
    EXPECT_EQ(state.text(Field::Mood), U("100")); // New Year still came
    EXPECT_TRUE(forms->clock().isRunning());
}

TEST_F(ClockEventsTest, ALostJobIsToldWithoutStoppingTheClock)
{
    at("14", "0", "12", "10");
    given({ { Field::JobIncome, U("20") }, { Field::Mood, U("49") } });
    forms->clock().start();
    tick();
    EXPECT_EQ(state.text(Field::JobIncome), U("0"));
    EXPECT_EQ(ui.notices.size(), 1);
    EXPECT_TRUE(ui.notices.value(0).startsWith(U("К сожалению, вас уволили с работы")));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_TRUE(forms->clock().isRunning());
}
