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

    // Runs the checks in their fixed order, each reading the state as the checks before it left it.
    void RunChecks();

    void ThugCheck();
    void DeathCheck();
    void QuestionHourCheck();
    void TeacherQuestionCheck();
    void GameOfferCheck();
    void SchoolYearEndCheck();
    void StreetEventCheck();
    void QuarterReportCheck();
    void NewYearCheck();
    // At midnight the day that has just ended goes into the life log.
    void RecordTheDay();

private:
    GameWindows& m_windows;
};
