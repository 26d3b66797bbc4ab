#include "records/Grades.h"

#include "core/Random.h"

namespace {

// The column of a quarter given as "1".."4", or -1 for any other text.
int QuarterColumn(const QString& quarter)
{
    if (quarter == QLatin1String("1"))
        return Quarter1;
    if (quarter == QLatin1String("2"))
        return Quarter2;
    if (quarter == QLatin1String("3"))
        return Quarter3;
    if (quarter == QLatin1String("4"))
        return Quarter4;
    return -1;
}

// A grade cell read as a whole number; the cells only ever hold decimal grades, anything else counts as no grade.
int GradeValue(const QString& cell) { return cell.toInt(); }

} // namespace

QString PickQuestionSubject(const DiaryGrades& grades, const QString& quarter)
{
    QString subject;
    const int column = QuarterColumn(quarter);
    if (column >= 0) {
        // The last subject in diary order still without a grade this quarter.
        for (int i = 0; i < SubjectCount; ++i) {
            if (grades.cell(i, column) == QLatin1String("0"))
                subject = SubjectKey(i);
        }
    }
    if (subject.isEmpty() && Random(2) == 0)
        subject = SubjectKey(Random(SubjectCount));
    return subject;
}

void RecordQuarterGrade(DiaryGrades& grades, const QString& quarter, const QString& subject, const QString& grade)
{
    const int column = QuarterColumn(quarter);
    const int row = SubjectIndex(subject);
    if (column < 0 || row < 0)
        return;
    if (grades.cell(row, column) == QLatin1String("0"))
        grades.setCell(row, column, grade);
    const int merged = RoundHalfToEven(GradeValue(grades.cell(row, column)) + GradeValue(grade), 2);
    grades.setCell(row, column, QString::number(merged));
}

void RecordExamGrade(DiaryGrades& grades, const QString& subject, const QString& grade)
{
    const int row = SubjectIndex(subject);
    if (row < 0)
        return;
    grades.setCell(row, ExamGrade, grade);
    grades.setCell(row, FinalGrade, grade);
}

void ComputeYearGrades(DiaryGrades& grades)
{
    for (int row = 0; row < SubjectCount; ++row) {
        int sum = 0;
        for (int column = Quarter1; column <= Quarter4; ++column)
            sum += GradeValue(grades.cell(row, column));
        grades.setCell(row, YearGrade, QString::number(RoundHalfToEven(sum, 4)));
    }
}

void CompleteFinalGrades(DiaryGrades& grades)
{
    for (int row = 0; row < SubjectCount; ++row) {
        if (grades.cell(row, FinalGrade) == QLatin1String("0"))
            grades.setCell(row, FinalGrade, grades.cell(row, YearGrade));
    }
}

int RoundHalfToEven(int numerator, int denominator)
{
    if (denominator == 0)
        return 0;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    // Floor division, then compare twice the remainder with the denominator.
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return static_cast<int>(quotient);
}
