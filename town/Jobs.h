// The jobs of the job centre: their names, entry requirements and daily pay.
#pragma once

#include "core/GameState.h"

#include <QString>
#include <array>
#include <utility>
#include <vector>

struct Job {
    const char* name; // as the job list shows it
    std::vector<std::pair<Field, int>> requirements; // lower bounds, tested in this order
    const char* pay; // JobIncome while the job is held; the pay also tells the jobs apart
};

constexpr int JobCount = 7;
// In list order; the position also names the description file.
extern const std::array<Job, JobCount> Jobs;

struct JobApplication {
    bool hired = false;
    QString message;
};

// "СОГЛАСЕН" for the job at `position`: at the first requirement not met the application is refused and nothing
// changes; otherwise JobIncome becomes the job's pay, replacing any job held. A value that is not a whole number
// throws EConvertError before anything changes.
JobApplication ApplyForJob(int position, TGameState& state);
