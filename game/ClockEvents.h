// The nine checks that end every tick of the game clock and turn the time and the state into events.
#pragma once

#include "core/GameClock.h"

class GameWindows;

class ClockEvents {
public:
    explicit ClockEvents(GameWindows& windows)
        : m_windows(windows)
    {
    }

    // Runs the checks in their fixed order; time is what the tick reached.
    void RunChecks(const ClockReading& time);

    void ThugCheck();
    void DeathCheck();
    void QuestionHourCheck();
    void TeacherQuestionCheck();
    void GameOfferCheck();
    void SchoolYearEndCheck();
    void StreetEventCheck();
    void QuarterReportCheck(const ClockReading& time);
    void NewYearCheck(const ClockReading& time);
    // At midnight the day that has just ended goes into the life log.
    void RecordTheDay(const ClockReading& time);

private:
    GameWindows& m_windows;
};
