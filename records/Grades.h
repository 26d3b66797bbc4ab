// The diary's grade arithmetic: which subject the teacher asks, and how quarter, year, exam and final grades are made.
#pragma once

#include "core/DiaryGrades.h"

#include <QString>

// The key name of the subject for today's question in the given quarter ("1".."4"), or an empty text when there is
// no question today: the last subject in diary order without a grade this quarter, else half the time a random one.
QString PickQuestionSubject(const DiaryGrades& grades, const QString& quarter);

// Merges a grade ("2".."5") into the subject's cell of the quarter: the first grade is taken as it is, each later one
// is averaged with the grade held so far. Unknown quarters or subjects change nothing.
void RecordQuarterGrade(DiaryGrades& grades, const QString& quarter, const QString& subject, const QString& grade);

// Writes an exam grade into the subject's exam and final cells.
void RecordExamGrade(DiaryGrades& grades, const QString& subject, const QString& grade);

// The year grade of every subject: the rounded mean of its four quarters (a missing quarter counts as 0).
void ComputeYearGrades(DiaryGrades& grades);

// Every final grade still "0" takes the year grade.
void CompleteFinalGrades(DiaryGrades& grades);

// Rounds to the nearest whole number, an exact half to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundHalfToEven(int numerator, int denominator);
