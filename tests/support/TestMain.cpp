// One QApplication (the game's own, so handler errors reach the error box) for every test program.
#include "core/Application.h"
#include "records/YearChartModule.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    // What the game keeps in the player's cache (the note of a failed autosave) goes to a folder of the tests' own.
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    TApplication app(argc, argv);
    app.loadRussianTranslations();
    // «Мой год» draws with the chart library of this build, which lies beside the game, not beside the tests.
    YearChartModule::SetFileName(QStringLiteral(TRAMBUL_CHART_MODULE));
    return RUN_ALL_TESTS();
}
