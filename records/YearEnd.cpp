#include "records/YearEnd.h"

#include "core/GameClock.h"
#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/Ui.h"
#include "records/Grades.h"
#include "records/LifeLog.h"
#include "records/Questions.h"
#include "records/Unit35.h"
#include "records/Unit38.h"
#include "records/Unit4.h"
#include "records/Unit44.h"
#include "records/Unit45.h"

const std::array<EndingInfo, EndingCount> Endings = { {
    { "Счастливчик", "5 из 5", 5 },
    { "Судья", "3 из 5", 4 },
    { "Продолжение карьеры", "4 из 5", 3 },
    { "Серединка", "2 из 5", 2 },
    { "Bad End", "1 из 5", 1 },
} };

const EndingInfo& EndingOf(int ending) { return Endings[qBound(1, ending, EndingCount) - 1]; }

int ChooseEnding(
    const DiaryGrades& grades, const QString& olyaFlag, const QString& mobilePhone, const QString& jobIncome)
{
    bool anyFour = false;
    bool anyThreeOrTwo = false;
    for (int subject = 0; subject < SubjectCount; ++subject) {
        const QString& grade = grades.cell(subject, FinalGrade);
        anyFour = anyFour || grade == QLatin1String("4");
        anyThreeOrTwo = anyThreeOrTwo || grade == QLatin1String("3") || grade == QLatin1String("2");
    }
    if (anyThreeOrTwo)
        return 5;
    if (anyFour)
        return jobIncome == QLatin1String("110") ? 3 : 4;
    return olyaFlag == QLatin1String("1") && mobilePhone != TextNo ? 1 : 2;
}

int ChooseEnding(const TGameState& state)
{
    return ChooseEnding(
        state.diary(), state.girlFlag(OlyaGirl), state.text(Field::MobilePhone), state.text(Field::JobIncome));
}

bool IsSchoolYearEnd(const TGameState& state)
{
    return state.text(Field::Hour) == QLatin1String("8") && state.text(Field::Minute) == QLatin1String("0")
        && state.text(Field::Day) == QLatin1String("24") && state.text(Field::Month) == QLatin1String("5")
        && state.text(Field::Year) == QLatin1String("2006");
}

void HoldExam(GameWindows& windows, const QString& subject)
{
    const QString grade = windows.form35().AskQuestions(QuestionFileSubject(subject));
    if (grade.isEmpty())
        return;
    TGameState& state = windows.state();
    DiaryGrades diary = state.diary();
    RecordExamGrade(diary, subject, grade);
    state.setDiary(diary);
}

namespace {
void ShowDiary(GameWindows& windows)
{
    windows.form4().SetCurrentQuarter(windows.state().text(Field::Quarter));
    ui().showModal(windows.form4());
}
}

void RunSchoolYearEnd(GameWindows& windows)
{
    TGameState& state = windows.state();
    ClockPause pause(windows.clock());

    ui().message(QStringLiteral("Все. Все закончилось. Прозвенел последний звонок. Вы посмотрели на дневник..."));
    DiaryGrades diary = state.diary();
    ComputeYearGrades(diary);
    state.setDiary(diary);
    ShowDiary(windows);

    ui().message(QStringLiteral("... и стали думать, по каким же предметам лучше сдавать экзамены..."));
    TForm44& choice = windows.form44();
    // The window is left only through "ОК" with two different subjects; anything else means the game is closing.
    if (ui().showModal(choice) != ModalResult::Ok)
        return;
    const QString first = choice.FirstChoice();
    const QString second = choice.SecondChoice();

    ui().message(QStringLiteral("Время сдавать обязательный предмет - алгебру!"));
    HoldExam(windows, QStringLiteral("Алгебра"));
    ui().message(QStringLiteral("Время сдавать обязательный предмет - русский язык!"));
    HoldExam(windows, QStringLiteral("Русский язык"));
    ui().message(QStringLiteral("Время сдавать первый выборочный предмет - ") + first + QStringLiteral("!"));
    HoldExam(windows, first);
    ui().message(QStringLiteral("Время сдавать второй выборочный предмет - ") + second + QStringLiteral("!"));
    HoldExam(windows, second);

    ui().message(QStringLiteral("Уф, все... Наконец-то мы сдали все экзамены! Пришло время посмотреть на итоги. =)"));
    diary = state.diary();
    CompleteFinalGrades(diary);
    state.setDiary(diary);
    ShowDiary(windows);
    ui().showModal(windows.form45());

    windows.StartCreditsMusic();
    TForm38& credits = windows.form38();
    credits.StartScrolling();
    ui().showModal(credits);
    credits.StopScrolling();
    windows.StopCreditsMusic();

    // A new school year for the same player: the name stays, everything else starts again.
    ResetForNewGame(state);
    windows.lifeLog().Clear();
    windows.GameReplaced({});
}
