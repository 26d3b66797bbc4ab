// The end of the school year on 24 May 2006: year grades, the exams, the final grades, the ending and the credits,
// then a new school year for the same player.
#pragma once

#include "core/DiaryGrades.h"

#include <QString>
#include <array>

class GameWindows;
class TGameState;

struct EndingInfo {
    const char* name; // "Концовка:"
    const char* score; // "Количество баллов:"
    int picture; // the ending window's picture, 1..5
};

constexpr int EndingCount = 5;
// The five endings, ending 1 first.
extern const std::array<EndingInfo, EndingCount> Endings;
const EndingInfo& EndingOf(int ending);

// The ending the year earned, 1..5. Final grades are compared as texts: only "4", "3" and "2" count, anything else
// (a "5", or "0" for a subject that never got a grade) counts like a five.
// Nothing below a five: ending 1 with Оля charmed and a phone in the pocket, else 2. Fours but nothing lower:
// ending 3 for the one who sells CDs (job income 110), else 4. A single "3" or "2": ending 5.
int ChooseEnding(
    const DiaryGrades& grades, const QString& olyaFlag, const QString& mobilePhone, const QString& jobIncome);
int ChooseEnding(const TGameState& state);

// 8:00 on 24 May 2006, the last bell.
bool IsSchoolYearEnd(const TGameState& state);

// One exam: the teacher's questions on the subject (a key name), and their grade as the exam and final grade.
// An exam whose questions could not be asked gives no grade, so the year grade becomes the final grade.
void HoldExam(GameWindows& windows, const QString& subject);

// The whole end of the year, with the clock held throughout.
void RunSchoolYearEnd(GameWindows& windows);
