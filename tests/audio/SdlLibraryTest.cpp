// SDL and its mixer, loaded by name: a library or an entry point missing leaves nothing half-usable.
#include "audio/SdlLibrary.h"

#include <gtest/gtest.h>

TEST(SdlLibraryTest, LoadsWholeOrSaysWhatIsMissing)
{
    const QString sdl = QStringLiteral("libSDL2-2.0.so.0");
    const QString mixer = QStringLiteral("libSDL2_mixer-2.0.so.0");
    const QString missing = QStringLiteral("libtrambul-no-such-library.so.0");
    struct Case {
        QString sdl, mixer;
        const char* problem; // what the reason names; null: everything found
    } cases[] = {
        { sdl, mixer, nullptr },
        { missing, mixer, "libtrambul-no-such-library" },
        { sdl, missing, "libtrambul-no-such-library" },
        // SDL's library loads as the mixer's, but the mixer's entry points are not in it.
        { sdl, sdl, "Mix_Init" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sdl.toStdString() + " / " + c.mixer.toStdString());
        SdlLibrary table;
        const QString problem = LoadSdlLibrary(c.sdl, c.mixer, table);
        if (!c.problem) {
            EXPECT_EQ(problem, QString());
            EXPECT_NE(table.SDL_SetHint, nullptr);
            EXPECT_NE(table.Mix_SetMusicPosition, nullptr);
            continue;
        }
        EXPECT_TRUE(problem.contains(QLatin1String(c.problem))) << problem.toStdString();
        EXPECT_EQ(table.SDL_SetHint, nullptr) << "entry points found before the missing one are not kept";
        EXPECT_EQ(table.Mix_Init, nullptr);
    }
}
