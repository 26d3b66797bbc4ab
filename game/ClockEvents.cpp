#include "game/ClockEvents.h"

#include "core/DailyEvents.h"
#include "core/Errors.h"
#include "core/GameState.h"
#include "core/Random.h"
#include "core/Ui.h"
#include "core/Unit32.h"
#include "game/Forms.h"
#include "game/Unit1.h"
#include "records/Grades.h"
#include "records/LifeLog.h"
#include "records/QuarterReport.h"
#include "records/Questions.h"
#include "records/SaveLoad.h"
#include "records/Unit35.h"
#include "records/YearEnd.h"
#include "street/MiniGames.h"
#include "street/Unit25.h"
#include "street/Unit37.h"

namespace {
// The question hour of a day without questions.
const QString NoQuestionToday = QStringLiteral("25");
constexpr int NoQuestionHour = 25;

bool IsTime(const TGameState& state, const char* hour, const char* minute)
{
    return state.text(Field::Hour) == QLatin1String(hour) && state.text(Field::Minute) == QLatin1String(minute);
}
}

void ClockEvents::RunChecks(bool stoodAtLastBell)
{
    // A check that meets a value that is not a number (the cheat window can write anything) is left out, and the
    // player hears of it with the clock held, so the boxes do not pile up under a running clock.
    QStringList errors;
    auto check = [&errors](auto&& body) {
        try {
            body();
        } catch (const EConvertError& error) {
            errors.append(error.message());
        }
    };
    if (stoodAtLastBell) {
        check([&] { SchoolYearEndCheck(); });
        return reportErrors(errors);
    }
    // The day is logged and kept before any event of the night can end the game.
    check([&] {
        RecordTheDay();
        m_windows.form1().keeper().KeepIfDue();
    });
    check([&] { ThugCheck(); });
    check([&] { DeathCheck(); });
    check([&] { QuestionHourCheck(); });
    check([&] { TeacherQuestionCheck(); });
    check([&] { GameOfferCheck(); });
    check([&] { SchoolYearEndCheck(); });
    check([&] { StreetEventCheck(); });
    check([&] { QuarterReportCheck(); });
    check([&] { NewYearCheck(); });
    reportErrors(errors);
}

void ClockEvents::reportErrors(const QStringList& errors)
{
    if (errors.isEmpty())
        return;
    ClockPause pause(m_windows.clock());
    for (const QString& message : errors)
        ui().errorBox(message);
}

// At 22:00 a thug may stop the player on the way home; only someone with some authority draws his eye, and the
// more authority, the rarer the thug dares. The draw is made on every tick from authority 5.
void ClockEvents::ThugCheck()
{
    TGameState& state = m_windows.state();
    const int authority = state.number(Field::Authority);
    if (authority < 5)
        return;
    if (Random(authority / 5 + 1) != 0 || !IsTime(state, "22", "0"))
        return;
    ClockPause pause(m_windows.clock());
    m_windows.form25().StartTalk();
}

// Hunger, despair and lack of sleep kill; the death window names the cause.
void ClockEvents::DeathCheck()
{
    const QString cause = DeathCause(m_windows.state());
    if (cause.isEmpty())
        return;

    ClockPause pause(m_windows.clock());
    TForm32& window = m_windows.form32();
    window.ShowCause(cause);
    const QString lastAutosave = m_windows.form1().keeper().LastOwnAutosave();
    window.SetReturnOffered(!lastAutosave.isEmpty());
    // A new game asks first; a "No" leaves everything as it was, and the next tick brings the window back. So does a
    // return whose autosave no longer loads (the load has said why).
    const ModalResult choice = ui().showModal(window);
    if (choice == ModalResult::Ok)
        m_windows.form1().NewGame();
    else if (choice == TForm32::ReturnResult)
        LoadSavedGame(m_windows, lastAutosave);
    else
        m_windows.Quit();
}

// At 7:00 the day is decided: after a day with questions comes one without, then one at an hour from 8 to 12.
void ClockEvents::QuestionHourCheck()
{
    TGameState& state = m_windows.state();
    if (!IsTime(state, "7", "0"))
        return;
    if (state.text(Field::QuestionHour) != NoQuestionToday)
        state.setNumber(Field::QuestionHour, NoQuestionHour);
    else
        state.setNumber(Field::QuestionHour, Random(5) + 8);
}

// At the question hour a teacher calls the player to the board; the grade goes into this quarter's column.
void ClockEvents::TeacherQuestionCheck()
{
    TGameState& state = m_windows.state();
    if (state.text(Field::Hour) != state.text(Field::QuestionHour) || state.text(Field::Minute) != QLatin1String("0"))
        return;
    const QString quarter = state.text(Field::Quarter);
    const QString subject = PickQuestionSubject(state.diary(), quarter);
    if (subject.isEmpty())
        return;

    ClockPause pause(m_windows.clock());
    const QString grade = m_windows.form35().AskQuestions(QuestionFileSubject(subject));
    if (grade.isEmpty())
        return; // no questioning took place: nothing to record
    DiaryGrades diary = state.diary();
    RecordQuarterGrade(diary, quarter, subject, grade);
    state.setDiary(diary);
}

// On 3 February 2006 at 16:20 an old friend offers the new shooter game; the whole school judges the player by it.
void ClockEvents::GameOfferCheck()
{
    if (!IsGameOfferTime(m_windows.state()))
        return;
    ClockPause pause(m_windows.clock());
    m_windows.form37().OfferTheGame();
}

// At 8:00 on 24 May 2006 the last bell rings: the exams, the ending, the credits and a new year.
void ClockEvents::SchoolYearEndCheck()
{
    if (IsSchoolYearEnd(m_windows.state()))
        RunSchoolYearEnd(m_windows);
}

// The street event of the 5th; its messages do not stop the clock.
void ClockEvents::StreetEventCheck() { Announce(StreetEvent(m_windows.state())); }

// The mother's reward after each of the first three quarters; the boxes do not stop the clock, and the money comes
// when the player has read why. The date is read as it is now: a game begun anew on this tick played no quarter.
void ClockEvents::QuarterReportCheck()
{
    TGameState& state = m_windows.state();
    const QuarterReportOutcome report = QuarterReport(state.diary(), ReadClock(state));
    Announce(RuleOutcome { report.messages, [&state, reward = report.reward] {
                              if (reward != 0)
                                  state.add(Field::Money, reward);
                          } });
}

void ClockEvents::NewYearCheck()
{
    const ClockReading time = ReadClock(m_windows.state());
    if (time.month != 12 || time.day != 30 || time.hour != 11 || time.minute != 50)
        return;
    TGameState& state = m_windows.state();
    ui().notice(QStringLiteral("Новый год, ура! Какой же все-таки это прекрасный праздник - Новый Год! Ваше "
                               "настроение стало 100%"),
        [&state] { state.setNumber(Field::Mood, 100); });
}

void ClockEvents::RecordTheDay()
{
    const ClockReading time = ReadClock(m_windows.state());
    if (time.hour != 0 || time.minute != 0)
        return;
    if (const std::optional<LifeLogDay> day = DayEndedAtMidnight(m_windows.state()))
        m_windows.lifeLog().Record(*day);
}
