// The nine checks that end every tick of the game clock and turn the time and the state into events.
#pragma once

#include "core/GameClock.h"

#include <QStringList>

class GameWindows;

class ClockEvents {
public:
    explicit ClockEvents(GameWindows& windows)
        : m_windows(windows)
    {
    }

    // Runs the checks in their fixed order, each reading the state as the checks before it left it. A clock that stood
    // at the last bell runs only the end of the school year: the rest ran when the bell was reached.
    void RunChecks(bool stoodAtLastBell = false);

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
    void reportErrors(const QStringList& errors);

    GameWindows& m_windows;
};
