// One QApplication (the game's own, so handler errors reach the error box) for every test program.
#include "core/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    TApplication app(argc, argv);
    app.loadRussianTranslations();
    return RUN_ALL_TESTS();
}
