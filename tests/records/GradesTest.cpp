// The diary arithmetic: question subject choice, quarter averaging, year and final grades.
#include "records/Grades.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

int Row(const char* key) { return SubjectIndex(QString::fromUtf8(key)); }

void FillColumn(DiaryGrades& grades, int column, const char* grade)
{
    for (int row = 0; row < SubjectCount; ++row)
        grades.setCell(row, column, QString::fromUtf8(grade));
}

} // namespace

TEST(Grades, RoundsHalfToEven)
{
    struct Case {
        int numerator, denominator, expected;
    };
    const Case cases[] = {
        { 7, 2, 4 }, // 3.5
        { 9, 2, 4 }, // 4.5
        { 5, 2, 2 }, // 2.5
        { 3, 2, 2 }, // 1.5
        { 1, 2, 0 }, // 0.5
        { 18, 4, 4 }, // 4.5
        { 19, 4, 5 }, // 4.75
        { 15, 4, 4 }, // 3.75
        { 13, 4, 3 }, // 3.25
        { 8, 4, 2 },
        { 0, 4, 0 },
        { -5, 2, -2 },
        { -7, 2, -4 },
        { 5, 0, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundHalfToEven(c.numerator, c.denominator), c.expected) << c.numerator << "/" << c.denominator;
}

TEST(Grades, QuestionGoesToLastUngradedSubjectUpwards)
{
    DiaryGrades grades;
    ScriptedRandom random; // no draw may happen while a subject is ungraded
    for (int row = SubjectCount - 1; row >= 0; --row) {
        EXPECT_EQ(PickQuestionSubject(grades, "1"), SubjectKey(row));
        grades.setCell(row, Quarter1, "3");
    }
    EXPECT_EQ(SubjectKey(SubjectCount - 1), "Обществознание");
    EXPECT_EQ(SubjectKey(SubjectCount - 2), "ОБЖ");

    // Other quarters are looked at on their own column only.
    DiaryGrades third;
    FillColumn(third, Quarter3, "4");
    third.setCell(Row("Химия"), Quarter3, "0");
    EXPECT_EQ(PickQuestionSubject(third, "3"), "Химия");
    EXPECT_EQ(PickQuestionSubject(third, "4"), "Обществознание");
}

TEST(Grades, QuestionIsRandomWhenAllAreGradedOrQuarterUnknown)
{
    DiaryGrades grades;
    FillColumn(grades, Quarter2, "5");
    ScriptedRandom random;
    random.add(1, 2); // no question today
    EXPECT_EQ(PickQuestionSubject(grades, "2"), "");
    random.add(0, 2);
    random.add(0, 16);
    EXPECT_EQ(PickQuestionSubject(grades, "2"), "Русский язык");
    random.add(0, 2);
    random.add(15, 16);
    EXPECT_EQ(PickQuestionSubject(grades, "2"), "Обществознание");
    random.add(0, 2);
    random.add(8, 16);
    EXPECT_EQ(PickQuestionSubject(grades, "2"), "Химия");

    // A quarter that is not "1".."4" never chooses by the ungraded rule, even with an empty diary.
    DiaryGrades empty;
    for (const char* quarter : { "0", "5", "", "Лето", " 1" }) {
        random.add(1, 2);
        EXPECT_EQ(PickQuestionSubject(empty, QString::fromUtf8(quarter)), "") << quarter;
        random.add(0, 2);
        random.add(3, 16);
        EXPECT_EQ(PickQuestionSubject(empty, QString::fromUtf8(quarter)), "Геометрия") << quarter;
    }
    EXPECT_TRUE(random.usedUp());
}

TEST(Grades, QuarterGradeAveragesWithHalfToEven)
{
    DiaryGrades grades;
    const int chemistry = Row("Химия");
    RecordQuarterGrade(grades, "2", "Химия", "5");
    EXPECT_EQ(grades.cell(chemistry, Quarter2), "5");
    RecordQuarterGrade(grades, "2", "Химия", "2");
    EXPECT_EQ(grades.cell(chemistry, Quarter2), "4"); // 3.5
    RecordQuarterGrade(grades, "2", "Химия", "3");
    EXPECT_EQ(grades.cell(chemistry, Quarter2), "4"); // 3.5

    struct Case {
        const char *held, *given, *expected;
    };
    const Case cases[] = {
        { "4", "5", "4" }, // 4.5
        { "3", "2", "2" }, // 2.5
        { "5", "4", "4" }, // 4.5
        { "2", "5", "4" }, // 3.5
        { "0", "3", "3" }, // first grade taken as it is
        { "0", "2", "2" },
        { "5", "5", "5" },
    };
    for (const Case& c : cases) {
        DiaryGrades g;
        g.setCell(Row("Физика"), Quarter4, QString::fromUtf8(c.held));
        RecordQuarterGrade(g, "4", "Физика", QString::fromUtf8(c.given));
        EXPECT_EQ(g.cell(Row("Физика"), Quarter4), QString::fromUtf8(c.expected)) << c.held << " + " << c.given;
    }
}

TEST(Grades, UnknownQuarterOrSubjectChangesNothing)
{
    DiaryGrades grades;
    grades.setCell(Row("Алгебра"), Quarter1, "4");
    const DiaryGrades before = grades;
    RecordQuarterGrade(grades, "5", "Алгебра", "2");
    RecordQuarterGrade(grades, "", "Алгебра", "2");
    RecordQuarterGrade(grades, "1", "Обществозн.", "2"); // the shown name is not a key
    RecordQuarterGrade(grades, "1", "алгебра", "2");
    RecordExamGrade(grades, "Пение", "5");
    EXPECT_EQ(grades, before);
}

TEST(Grades, YearGradesAreRoundedMeansOfFourQuarters)
{
    struct Case {
        const char* quarters[4];
        const char* expected;
    };
    const Case cases[] = {
        { { "5", "5", "4", "4" }, "4" }, // 4.5
        { { "5", "5", "5", "4" }, "5" }, // 4.75
        { { "5", "5", "5", "0" }, "4" }, // 3.75, a missing quarter counts as 0
        { { "3", "3", "2", "2" }, "2" }, // 2.5
        { { "4", "4", "3", "3" }, "4" }, // 3.5
        { { "0", "0", "0", "0" }, "0" }, { { "2", "0", "0", "0" }, "0" }, // 0.5
    };
    DiaryGrades grades;
    for (int i = 0; i < int(std::size(cases)); ++i) {
        for (int q = 0; q < 4; ++q)
            grades.setCell(i, Quarter1 + q, QString::fromUtf8(cases[i].quarters[q]));
    }
    ComputeYearGrades(grades);
    for (int i = 0; i < int(std::size(cases)); ++i)
        EXPECT_EQ(grades.cell(i, YearGrade), QString::fromUtf8(cases[i].expected)) << "row " << i;
    for (int i = int(std::size(cases)); i < SubjectCount; ++i)
        EXPECT_EQ(grades.cell(i, YearGrade), "0");
}

TEST(Grades, ExamGradeOverridesYearGradeInTheFinal)
{
    DiaryGrades grades;
    const int algebra = Row("Алгебра");
    const int russian = Row("Русский язык");
    const int history = Row("История");
    for (int q = Quarter1; q <= Quarter4; ++q) {
        grades.setCell(algebra, q, "5");
        grades.setCell(russian, q, "4");
        grades.setCell(history, q, "3");
    }
    ComputeYearGrades(grades);
    RecordExamGrade(grades, "Алгебра", "3");
    RecordExamGrade(grades, "Русский язык", "5");
    EXPECT_EQ(grades.cell(algebra, ExamGrade), "3");
    CompleteFinalGrades(grades);

    EXPECT_EQ(grades.cell(algebra, YearGrade), "5");
    EXPECT_EQ(grades.cell(algebra, FinalGrade), "3");
    EXPECT_EQ(grades.cell(russian, FinalGrade), "5");
    EXPECT_EQ(grades.cell(history, FinalGrade), "3"); // no exam: the year grade
    EXPECT_EQ(grades.cell(history, ExamGrade), "0");
    EXPECT_EQ(grades.cell(Row("Труд"), FinalGrade), "0");
}
