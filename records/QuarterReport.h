// The mother's look into the diary on the first morning after each of the first three quarters.
#pragma once

#include "core/GameClock.h"

#include <QStringList>

class DiaryGrades;

struct QuarterReportOutcome {
    QStringList messages; // the end of the quarter, then the mother's verdict; empty when there is no report now
    int reward = 0; // roubles the mother gives
};

// At 7:10 on 1 November, 1 January and 1 April the quarter that ended is looked at: nothing but fives earns 30
// roubles, fours and fives 20, a single "3" or "2" nothing. A subject without a grade counts for neither. There is no
// report after the fourth quarter.
QuarterReportOutcome QuarterReport(const DiaryGrades& diary, const ClockReading& time);
