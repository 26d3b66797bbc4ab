#include "records/YearChartModule.h"

#include "core/DataPath.h"

#include <QLibrary>

#include <memory>

namespace {

struct Loaded {
    QString fileName; // as set; empty for the usual places
    bool tried = false;
    // Never unloaded (a QLibrary left without unload() keeps its library to the end): the views it made live as long
    // as their windows.
    std::unique_ptr<QLibrary> library;
    YearChartModule entries;
    bool usable = false;
    QString why;
};

Loaded& State()
{
    static Loaded loaded;
    return loaded;
}

bool Load(QLibrary& library, const QString& fileName)
{
    if (!fileName.isEmpty()) {
        library.setFileName(fileName);
        return library.load();
    }
    return LoadOwnLibrary(library, QStringLiteral("YearChart"));
}

} // namespace

const YearChartModule* YearChartModule::Get()
{
    Loaded& loaded = State();
    if (loaded.tried)
        return loaded.usable ? &loaded.entries : nullptr;
    loaded.tried = true;
    loaded.library = std::make_unique<QLibrary>();
    if (!Load(*loaded.library, loaded.fileName)) {
        loaded.why = QStringLiteral("не найдена библиотека графиков");
        return nullptr;
    }
    const auto version
        = reinterpret_cast<TrambulYearChartVersion_t>(loaded.library->resolve("TrambulYearChartVersion"));
    loaded.entries.Make = reinterpret_cast<TrambulMakeYearChart_t>(loaded.library->resolve("TrambulMakeYearChart"));
    loaded.entries.Show = reinterpret_cast<TrambulShowYearChart_t>(loaded.library->resolve("TrambulShowYearChart"));
    loaded.usable = version && version() == YEAR_CHART_VERSION && loaded.entries.Make && loaded.entries.Show;
    if (!loaded.usable)
        loaded.why = QStringLiteral("библиотека графиков не той версии");
    return loaded.usable ? &loaded.entries : nullptr;
}

QString YearChartModule::why() { return State().why; }

void YearChartModule::SetFileName(const QString& fileName)
{
    Loaded& loaded = State();
    if (fileName == loaded.fileName)
        return;
    loaded.fileName = fileName;
    loaded.tried = false;
    loaded.usable = false;
    loaded.why.clear();
    loaded.entries = {};
    loaded.library.reset();
}
