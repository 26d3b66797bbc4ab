// The end of the school year: the ending each kind of diary earns, the exam choice, the whole sequence from the
// last bell to the new year, the ending window and the credits roll.
#include "records/YearEnd.h"
#include "GameFixture.h"
#include "TestHelpers.h"
#include "core/DataPath.h"
#include "core/GameClock.h"
#include "core/Picture.h"
#include "core/TextFile.h"
#include "game/Unit1.h"
#include "records/LifeLog.h"
#include "records/RecordsContent.h"
#include "records/Unit35.h"
#include "records/Unit38.h"
#include "records/Unit4.h"
#include "records/Unit44.h"
#include "records/Unit45.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <string>

namespace {

// Final grades: every subject "5" except the listed ones.
DiaryGrades Finals(std::initializer_list<std::pair<int, const char*>> others)
{
    DiaryGrades grades;
    for (int subject = 0; subject < SubjectCount; ++subject)
        grades.setCell(subject, FinalGrade, QStringLiteral("5"));
    for (const auto& [subject, grade] : others)
        grades.setCell(subject, FinalGrade, U(grade));
    return grades;
}

class YearEnd : public GameFixture {
protected:
    void writeQuestions(const QString& fileSubject)
    {
        QDir().mkpath(QStringLiteral("Data/Questions"));
        WriteLines1251(DataPath(QStringLiteral("Data\\Questions\\") + fileSubject + QStringLiteral(".qst")),
            { U("Первый?@да#нет#нет"), U("Второй?@да#нет#нет"), U("Третий?@да#нет#нет") });
    }

    // One questioning of three questions; `right` answers are given right (answer 1), the rest wrong (answer 2).
    void expectExam(int right)
    {
        random.add({ 0, 0, 1, 0, 2, 0 }); // lines 0, 1, 2 and a message after each answer
        ui.onModal<TForm35>([right](TForm35& w) {
            for (int question = 0; question < 3; ++question)
                click(question < right ? Child<QPushButton>(w, "Button1") : Child<QPushButton>(w, "Button2"));
        });
    }
};

}

TEST(Endings, TheFinalGradesAndTheYearChooseTheEnding)
{
    const DiaryGrades allFives = Finals({});
    const DiaryGrades noGrades; // "0" everywhere counts like fives
    const DiaryGrades oneFour = Finals({ { 7, "4" } });
    const DiaryGrades fourAndThree = Finals({ { 0, "4" }, { 15, "3" } });
    const DiaryGrades oneTwo = Finals({ { 15, "2" } });
    struct Case {
        const char* name;
        const DiaryGrades& grades;
        const char* olya;
        const char* phone;
        const char* income;
        int ending;
    };
    const Case cases[] = {
        { "all fives, Оля and a phone", allFives, "1", "Nokia 3310", "0", 1 },
        { "no grades at all count as fives", noGrades, "1", "Siemens C65", "0", 1 },
        { "all fives, no phone", allFives, "1", "Нет", "0", 2 },
        { "all fives, Оля not charmed", allFives, "0", "Nokia 3310", "0", 2 },
        { "a four, selling CDs", oneFour, "1", "Nokia 3310", "110", 3 },
        { "a four, another job", oneFour, "1", "Nokia 3310", "80", 4 },
        { "a four, 110 only as a whole text", oneFour, "0", "Нет", "110 ", 4 },
        { "a three besides a four", fourAndThree, "1", "Nokia 3310", "110", 5 },
        { "a single two", oneTwo, "1", "Nokia 3310", "110", 5 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseEnding(c.grades, U(c.olya), U(c.phone), U(c.income)), c.ending);
    }
}

TEST_F(YearEnd, TheEndingWindowShowsTheChosenEndingAndSurvivesAMissingStory)
{
    useWorkingDirectory({ "Data/Ending/End1.end", "Data/Ending/End2.end", "Data/Ending/End3.end",
        "Data/Ending/End4.end", "Data/Ending/End5.end" });
    struct Case {
        const char* phone;
        int ending;
        const char* name;
        const char* score;
        int picture;
    };
    const Case cases[] = {
        { "Nokia 3310", 1, "Счастливчик", "5 из 5", 5 },
        { "Нет", 2, "Судья", "3 из 5", 4 },
    };
    state.setDiary(Finals({}));
    state.setCharmed(OlyaGirl, true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        given({ { Field::MobilePhone, U(c.phone) } });
        const QStringList story = ReadLines1251(DataPath(RecordsContent::EndingStory.path(c.ending)));
        ui.onModal<TForm45>([&](TForm45& w) {
            EXPECT_EQ(Child<QLabel>(w, "Label2")->text(), U(c.name));
            EXPECT_EQ(Child<QLabel>(w, "Label4")->text(), U(c.score));
            for (int picture = 1; picture <= 5; ++picture)
                EXPECT_EQ(!Child<PictureBox>(w, ("Image" + std::to_string(picture)).c_str())->isHidden(),
                    picture == c.picture)
                    << picture;
            EXPECT_EQ(Child<QPlainTextEdit>(w, "Memo1")->toPlainText(), story.join(QLatin1Char('\n')));
            click(Child<QPushButton>(w, "Button1"));
        });
        EXPECT_EQ(ui.showModal(forms->form45()), ModalResult::Ok);
    }

    // Without its story file the ending still shows, with a short word instead of the story.
    QFile::remove(QStringLiteral("Data/Ending/End5.end"));
    state.setDiary(Finals({ { 3, "2" } }));
    ui.onModal<TForm45>([](TForm45& w) {
        EXPECT_EQ(Child<QLabel>(w, "Label2")->text(), U("Bad End"));
        EXPECT_TRUE(Child<QPlainTextEdit>(w, "Memo1")->toPlainText().contains(U("потерялся")));
        click(Child<QPushButton>(w, "Button1"));
    });
    ui.showModal(forms->form45());
    EXPECT_TRUE(ui.errors.isEmpty());
}

TEST_F(YearEnd, TheExamChoiceRefusesTwoEqualExamsAndKeepsLastYearsChoice)
{
    TForm44& choice = forms->form44();
    ui.onModal<TForm44>([](TForm44& w) {
        EXPECT_EQ(w.FirstChoice(), U("Литература"));
        EXPECT_EQ(w.SecondChoice(), U("Геометрия"));
        Child<QComboBox>(w, "ComboBox1")->setCurrentText(U("Физика"));
        Child<QComboBox>(w, "ComboBox2")->setCurrentText(U("Физика"));
        click(Child<QPushButton>(w, "Button1"));
        EXPECT_TRUE(w.isVisible());
        Child<QComboBox>(w, "ComboBox1")->setCurrentText(U("История"));
        Child<QComboBox>(w, "ComboBox2")->setCurrentText(U("ОБЖ"));
        click(Child<QPushButton>(w, "Button1"));
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(ui.showModal(choice), ModalResult::Ok);
    EXPECT_EQ(ui.messages, QStringList { U("Два одиннаковых экзамена не сдают, знаешь ли...") });

    // A year later.
    ui.onModal<TForm44>([](TForm44& w) {
        EXPECT_EQ(Child<QComboBox>(w, "ComboBox1")->currentText(), U("История"));
        EXPECT_EQ(Child<QComboBox>(w, "ComboBox2")->currentText(), U("ОБЖ"));
        click(Child<QPushButton>(w, "Button1"));
    });
    EXPECT_EQ(ui.showModal(choice), ModalResult::Ok);
}

TEST_F(YearEnd, FromTheLastBellToANewYearExamSubjectsTakeTheirExamGrades)
{
    useWorkingDirectory({ "Data/Ending/End5.end" });
    for (const char* subject : { "Алгебра", "Русский язык", "История" })
        writeQuestions(U(subject)); // no questions for ОБЖ: that exam cannot be held
    given({ { Field::PlayerName, U("Петя") }, { Field::Year, U("2006") }, { Field::Month, U("5") },
        { Field::Money, U("500") } });
    state.setCharmed(2, true);
    // Quarters 5, 5, 4, 4 give the year grade 4 (4.5 to the even neighbour); algebra 3, 3, 3, 3 gives 3.
    for (int subject = 0; subject < SubjectCount; ++subject) {
        const bool algebra = subject == SubjectIndex(U("Алгебра"));
        for (int quarter : { Quarter1, Quarter2, Quarter3, Quarter4 })
            state.setGrade(subject, quarter, algebra ? U("3") : quarter < Quarter3 ? U("5") : U("4"));
    }
    forms->clock().start();
    LifeLogDay lastDay;
    lastDay.year = 2006;
    lastDay.month = 5;
    lastDay.day = 23;
    forms->lifeLog().Record(lastDay);

    ui.onModal<TForm4>([&](TForm4& w) {
        EXPECT_EQ(forms->lifeLog().days().size(), 1); // the year can still be looked at from the diary
        EXPECT_EQ(DiaryCellText(w, SubjectIndex(U("Химия")), YearGrade), U("4"));
        EXPECT_FALSE(forms->clock().isRunning());
        click(Child<QPushButton>(w, "Button1"));
    });
    ui.onModal<TForm44>([](TForm44& w) {
        Child<QComboBox>(w, "ComboBox1")->setCurrentText(U("История"));
        Child<QComboBox>(w, "ComboBox2")->setCurrentText(U("ОБЖ"));
        click(Child<QPushButton>(w, "Button1"));
    });
    expectExam(3); // algebra: 5
    expectExam(0); // Russian: 2
    expectExam(1); // history: 3
    ui.onModal<TForm4>([](TForm4& w) {
        const std::pair<const char*, const char*> finals[] = { { "Алгебра", "5" }, { "Русский язык", "2" },
            { "История", "3" }, { "ОБЖ", "4" }, { "Химия", "4" }, { "Физ/ра", "4" } };
        for (const auto& [subject, grade] : finals)
            EXPECT_EQ(DiaryCellText(w, SubjectIndex(U(subject)), FinalGrade), U(grade)) << subject;
        EXPECT_EQ(DiaryCellText(w, SubjectIndex(U("ОБЖ")), ExamGrade), U("0"));
        click(Child<QPushButton>(w, "Button1"));
    });
    ui.onModal<TForm45>([](TForm45& w) {
        EXPECT_EQ(w.Ending(), 5);
        click(Child<QPushButton>(w, "Button1"));
    });
    ui.onModal<TForm38>([](TForm38& w) {
        EXPECT_TRUE(Child<QTimer>(w, "Timer1")->isActive());
        EXPECT_EQ(Child<QTimer>(w, "Timer1")->interval(), 70);
        EXPECT_EQ(Child<QTextEdit>(w, "Memo1")->y(), 440);
        EXPECT_EQ(Child<QLabel>(w, "Label1")->x(), -208);
        EXPECT_EQ(Child<PictureBox>(w, "Image1")->y(), 0);
        EXPECT_TRUE(Child<QTextEdit>(w, "Memo1")->toPlainText().contains(U("СПАСИБО, ЧТО ИГРАЛ!")));
        click(Child<QPushButton>(w, "Button1"));
    });

    RunSchoolYearEnd(*forms);

    const QStringList expected = { U("Все. Все закончилось. Прозвенел последний звонок. Вы посмотрели на дневник..."),
        U("... и стали думать, по каким же предметам лучше сдавать экзамены..."),
        U("Время сдавать обязательный предмет - алгебру!"), U("Время сдавать обязательный предмет - русский язык!"),
        U("Время сдавать первый выборочный предмет - История!"), U("Время сдавать второй выборочный предмет - ОБЖ!"),
        U("Уф, все... Наконец-то мы сдали все экзамены! Пришло время посмотреть на итоги. =)") };
    QStringList announcements;
    for (const QString& message : ui.messages) {
        if (expected.contains(message))
            announcements.append(message);
    }
    EXPECT_EQ(announcements, expected);
    EXPECT_FALSE(Child<QTimer>(forms->form38(), "Timer1")->isActive());
    EXPECT_TRUE(forms->clock().isRunning());
    // A new year for Петя.
    EXPECT_EQ(state.text(Field::PlayerName), U("Петя"));
    EXPECT_EQ(state.text(Field::Year), U("2005"));
    EXPECT_EQ(state.text(Field::Money), U(InfoOf(Field::Money).newGame));
    EXPECT_EQ(state.girlFlag(2), U("0"));
    EXPECT_EQ(state.diary(), DiaryGrades());
    EXPECT_TRUE(forms->lifeLog().isEmpty());
}

TEST_F(YearEnd, TheCreditsRollTheTextOutThenTheEndSlidesIn)
{
    TForm38& credits = forms->form38();
    auto* text = Child<QTextEdit>(credits, "Memo1");
    auto* tallPicture = Child<PictureBox>(credits, "Image1");
    auto* lastPicture = Child<PictureBox>(credits, "Image2");
    auto* theEnd = Child<QLabel>(credits, "Label1");
    ASSERT_TRUE(text && tallPicture && lastPicture && theEnd);
    credits.StartScrolling();
    struct Step {
        int ticks; // ticks since the start
        int textTop;
        int pictureTop;
        bool secondPicture;
        int endLeft;
    };
    const Step steps[] = {
        { 1, 438, -2, false, -208 },
        { 1506, 440 - 3012, -3012, false, -208 }, // the tall picture's top not yet below -3012
        { 1507, 440 - 3014, -3014, true, -208 },
        { 1645, -2850, -3290, true, -208 }, // the text's last move: now below -2849
        { 1646, -2850, -3292, true, -206 },
        { 1645 + 141, -2850, -3290 - 282, true, 74 }, // "THE END" stops once past 72
        { 1645 + 150, -2850, -3290 - 300, true, 74 },
    };
    int done = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.ticks);
        for (; done < step.ticks; ++done)
            credits.Timer1Timer();
        EXPECT_EQ(text->y(), step.textTop);
        EXPECT_EQ(tallPicture->y(), step.pictureTop);
        EXPECT_EQ(!lastPicture->isHidden(), step.secondPicture);
        EXPECT_EQ(theEnd->x(), step.endLeft);
    }
    credits.StopScrolling();
    EXPECT_FALSE(Child<QTimer>(credits, "Timer1")->isActive());

    // The next showing starts from the top again.
    credits.StartScrolling();
    EXPECT_EQ(text->y(), 440);
    EXPECT_EQ(theEnd->x(), -208);
    EXPECT_EQ(tallPicture->y(), 0);
    EXPECT_TRUE(lastPicture->isHidden());
    credits.StopScrolling();
}

TEST_F(YearEnd, TheLastBellRingsOnTheTickThatReaches8OnThe24thOfMay2006Only)
{
    useWorkingDirectory(); // no questions and no ending texts: every step still goes through
    struct Case {
        const char* year;
        const char* hour;
        const char* minute;
        bool ends;
    };
    // The third: a game kept while the exams were on and continued, standing at the bell. The bell rings once more,
    // and the rest of 8:00 (the lesson's question, whose subject would be drawn) is not played again.
    for (const Case& c :
        { Case { "2005", "7", "50", false }, Case { "2006", "7", "50", true }, Case { "2006", "8", "0", true } }) {
        SCOPED_TRACE(std::string(c.year) + " " + c.hour);
        given({ { Field::Hour, U(c.hour) }, { Field::Minute, U(c.minute) }, { Field::Day, U("24") },
            { Field::Month, U("5") }, { Field::Year, U(c.year) },
            { Field::QuestionHour, U(c.hour == std::string("8") ? "8" : "25") } });
        ui.shownWindows.clear();
        if (c.ends) {
            ui.closeNextModalWith(ModalResult::Ok); // the diary
            ui.onModal<TForm44>([](TForm44& w) { click(Child<QPushButton>(w, "Button1")); });
            ui.closeNextModalWith(ModalResult::Ok); // the diary again
            ui.onModal<TForm45>([](TForm45& w) {
                EXPECT_FALSE(Child<QPlainTextEdit>(w, "Memo1")->toPlainText().isEmpty());
                click(Child<QPushButton>(w, "Button1"));
            });
            ui.closeNextModalWith(ModalResult::Ok); // the credits
        }
        if (c.hour != std::string("8"))
            random.add(1, 2); // the street stays quiet
        forms->form1().GameClockTick();
        EXPECT_EQ(ui.shownWindows.size(), c.ends ? 5 : 0);
        EXPECT_EQ(state.text(Field::Year), U("2005"));
    }
}
