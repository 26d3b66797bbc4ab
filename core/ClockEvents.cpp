#include "core/ClockEvents.h"

#include "core/Forms.h"
#include "core/GameState.h"

void ClockEvents::RunChecks(const ClockReading& time)
{
    ThugCheck();
    DeathCheck();
    QuestionHourCheck();
    TeacherQuestionCheck();
    GameOfferCheck();
    SchoolYearEndCheck();
    StreetEventCheck();
    QuarterReportCheck(time);
    NewYearCheck(time);
}

// The evening thug at 22:00 comes with the street conversations.
void ClockEvents::ThugCheck() { }

void ClockEvents::DeathCheck() { }

void ClockEvents::QuestionHourCheck() { }

void ClockEvents::TeacherQuestionCheck() { }

// The shooter offer on 3 February 2006 comes with the mini-games.
void ClockEvents::GameOfferCheck() { }

// The exams and endings of 24 May 2006 come with the end of the school year.
void ClockEvents::SchoolYearEndCheck() { }

void ClockEvents::StreetEventCheck() { }

void ClockEvents::QuarterReportCheck(const ClockReading&) { }

void ClockEvents::NewYearCheck(const ClockReading&) { }
