// The chart library of «Мой год» (records/charts), loaded by name the first time a chart is drawn, so that the game
// starts without Qt Charts; without it the window shows its tables and says why a chart is missing.
#pragma once

#include "records/charts/YearChartApi.h"

#include <QString>

class YearChartModule {
public:
    // The library, loaded on the first call and kept to the end; null when it cannot be loaded (then why() says why).
    // It is tried once: a missing library costs one look, however often the charts are wanted.
    static const YearChartModule* Get();
    static QString why();

    // Where the library is looked for: empty for the game's own library folders (beside the program, then the installed
    // library folder, see LoadOwnLibrary), else a file name or path of its own. A new name forgets what was tried.
    static void SetFileName(const QString& fileName);

    TrambulMakeYearChart_t Make = nullptr;
    TrambulShowYearChart_t Show = nullptr;
};
