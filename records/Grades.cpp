#include "records/Grades.h"

QString PickQuestionSubject(const DiaryGrades&, const QString&) { return {}; }

void RecordQuarterGrade(DiaryGrades&, const QString&, const QString&, const QString&) { }

void RecordExamGrade(DiaryGrades&, const QString&, const QString&) { }

void ComputeYearGrades(DiaryGrades&) { }

void CompleteFinalGrades(DiaryGrades&) { }

int RoundHalfToEven(int numerator, int denominator) { return denominator ? numerator / denominator : 0; }
