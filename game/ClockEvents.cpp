#include "game/ClockEvents.h"

#include "core/Errors.h"
#include "core/GameState.h"
#include "core/Random.h"
#include "core/Ui.h"
#include "core/Unit32.h"
#include "game/Forms.h"
#include "game/Unit1.h"
#include "records/Grades.h"
#include "records/Questions.h"
#include "records/Unit35.h"
#include "records/YearEnd.h"

#include <QLabel>

namespace {
// The question hour of a day without questions.
const QString NoQuestionToday = QStringLiteral("25");

bool IsTime(const TGameState& state, const char* hour, const char* minute)
{
    return state.text(Field::Hour) == QLatin1String(hour) && state.text(Field::Minute) == QLatin1String(minute);
}
}

void ClockEvents::RunChecks(const ClockReading& time)
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
    check([&] { ThugCheck(); });
    check([&] { DeathCheck(); });
    check([&] { QuestionHourCheck(); });
    check([&] { TeacherQuestionCheck(); });
    check([&] { GameOfferCheck(); });
    check([&] { SchoolYearEndCheck(); });
    check([&] { StreetEventCheck(); });
    check([&] { QuarterReportCheck(time); });
    check([&] { NewYearCheck(time); });
    if (!errors.isEmpty()) {
        ClockPause pause(m_windows.clock());
        for (const QString& message : errors)
            ui().errorBox(message);
    }
}

// The evening thug at 22:00 comes with the street conversations.
void ClockEvents::ThugCheck() { }

// Hunger, despair and lack of sleep kill; the last cause that holds is the one the window names.
void ClockEvents::DeathCheck()
{
    const TGameState& state = m_windows.state();
    QString cause;
    if (state.number(Field::Satiety) <= 0)
        cause = QStringLiteral("голода.");
    if (state.number(Field::Mood) < 1)
        cause = QStringLiteral("удушья. Будучи в депрессии вы решили повеситься.");
    if (state.number(Field::Vigor) < 1)
        cause = QStringLiteral("постоянного недосыпания.");
    if (cause.isEmpty())
        return;

    ClockPause pause(m_windows.clock());
    TForm32& window = m_windows.form32();
    window.DeathCause->setText(cause);
    // A new game asks first; a "No" leaves everything as it was, and the next tick brings the window back.
    if (ui().showModal(window) == ModalResult::Ok)
        m_windows.form1().NewGame();
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
        state.set(Field::QuestionHour, NoQuestionToday);
    else
        state.set(Field::QuestionHour, Random(5) + 8);
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

// The shooter offer on 3 February 2006 comes with the mini-games.
void ClockEvents::GameOfferCheck() { }

// At 8:00 on 24 May 2006 the last bell rings: the exams, the ending, the credits and a new year.
void ClockEvents::SchoolYearEndCheck()
{
    if (IsSchoolYearEnd(m_windows.state()))
        RunSchoolYearEnd(m_windows);
}

// On the 5th of every month at 17:00 something may happen in the street: half the time, and then a find or a loss.
// The first coin is tossed on every tick.
void ClockEvents::StreetEventCheck()
{
    if (Random(2) != 0)
        return;
    TGameState& state = m_windows.state();
    if (!IsTime(state, "17", "0") || state.text(Field::Day) != QLatin1String("5"))
        return;
    if (Random(2) == 0) {
        if (Random(2) == 0) {
            state.add(Field::Money, 50);
            ui().notice(QStringLiteral("Как хорошо, что вы прошли именно по этой улице! Вы нашли 50 рублевую купюру!"));
        } else {
            state.add(Field::Money, 10);
            ui().notice(QStringLiteral("Как говорится, мелочь, а приятно. Вы нашли 10 рублей."));
        }
    } else {
        if (Random(2) == 0) {
            state.add(Field::Authority, -1);
            ui().notice(QStringLiteral("Из-за нечаянно сказанной не в тему шутки, ваш авторитет упал на 1 единицу."));
        } else {
            state.add(Field::Authority, -2);
            ui().notice(
                QStringLiteral("И кто вас просил лезть в драку с этим Вовкой? Ваш авторитет упал на 2 единицы."));
        }
    }
}

// On the first morning after each of the first three quarters the mother looks into the diary: nothing but fives
// earns 30 roubles, fours and fives 20, a single "3" or "2" nothing. A subject without a grade counts for neither.
void ClockEvents::QuarterReportCheck(const ClockReading& time)
{
    if (time.hour != 7 || time.minute != 10 || time.day != 1)
        return;
    int column;
    QString title;
    switch (time.month) {
    case 11:
        column = Quarter1;
        title = QStringLiteral("--- Конец первой четверти ---");
        break;
    case 1:
        column = Quarter2;
        title = QStringLiteral("--- Конец второй четверти ---");
        break;
    case 4:
        column = Quarter3;
        title = QStringLiteral("--- Конец третьей четверти ---");
        break;
    default:
        return;
    }
    TGameState& state = m_windows.state();
    ui().notice(title);
    bool fours = false;
    bool low = false;
    for (int subject = 0; subject < SubjectCount; ++subject) {
        const QString grade = state.grade(subject, column);
        fours = fours || grade == QLatin1String("4");
        low = low || grade == QLatin1String("3") || grade == QLatin1String("2");
    }
    if (low) {
        ui().notice(QStringLiteral("Ваша мать посмотрела в ваш дневник и ужаснулась. Вы - троечник! Кажись, она не "
                                   "даст вам деньги за хорошую учебу..."));
    } else if (fours) {
        ui().notice(QStringLiteral("За хорошую учебу ваша мама дала вам сумму в размере 20 рублей. Так держать!"));
        state.add(Field::Money, 20);
    } else {
        ui().notice(QStringLiteral("За отличную учебу ваша мама дала вам сумму в размере 30 рублей. Так держать!"));
        state.add(Field::Money, 30);
    }
}

void ClockEvents::NewYearCheck(const ClockReading& time)
{
    if (time.month != 12 || time.day != 30 || time.hour != 11 || time.minute != 50)
        return;
    ui().notice(QStringLiteral("Новый год, ура! Какой же все-таки это прекрасный праздник - Новый Год! Ваше "
                               "настроение стало 100%"));
    m_windows.state().set(Field::Mood, 100);
}
