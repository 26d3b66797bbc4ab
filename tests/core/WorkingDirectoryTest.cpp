// Where the game runs: where it was started when built in the repository, the player's own folder when installed.
#include "core/DataPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(WorkingDirectory, RepositoryBuildStaysAndInstalledGameRunsInThePlayersFolderWithItsDataLinked)
{
    QTemporaryDir root;
    const QDir dir(root.path());
    const QString repository = dir.filePath("repo"), elsewhere = dir.filePath("elsewhere");
    const QString installed = dir.filePath("usr/share/trambul/Data"), moved = dir.filePath("opt/share/trambul/Data");
    for (const QString& folder : { repository + "/Data", elsewhere, installed, moved })
        ASSERT_TRUE(QDir().mkpath(folder));

    // Built in the repository, nothing installed beside the program: the game stays where it was started.
    const QString player = dir.filePath("home/.local/share/trambul");
    EXPECT_EQ(ChooseWorkingDirectory(repository, dir.filePath("build/share/trambul/Data"), player).folder, repository);
    EXPECT_FALSE(QFileInfo::exists(player));

    // Installed: the player's folder is made, with a link to the shared data; a second start reuses it. A "Data"
    // folder where the game was started (the home folder of a menu start) is not the game's.
    for (const QString& started : { elsewhere, repository }) {
        const WorkingDirectoryChoice choice = ChooseWorkingDirectory(started, installed, player);
        EXPECT_EQ(choice.folder, QDir(player).absolutePath());
        EXPECT_TRUE(choice.problem.isEmpty());
        EXPECT_EQ(QFileInfo(player + "/Data").symLinkTarget(), QFileInfo(installed).absoluteFilePath());
    }

    // The game moved: the old link is pointed at the new place.
    ChooseWorkingDirectory(elsewhere, moved, player);
    EXPECT_EQ(QFileInfo(player + "/Data").symLinkTarget(), QFileInfo(moved).absoluteFilePath());

    // A real Data folder the player made is the player's own and is kept.
    const QString modder = dir.filePath("modder");
    ASSERT_TRUE(QDir().mkpath(modder + "/Data"));
    EXPECT_EQ(ChooseWorkingDirectory(elsewhere, installed, modder).folder, QDir(modder).absolutePath());
    EXPECT_FALSE(QFileInfo(modder + "/Data").isSymLink());

    // A player's folder that cannot be made (a file in its place) leaves the game where it started, with a reason.
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const WorkingDirectoryChoice blocked
        = ChooseWorkingDirectory(elsewhere, installed, blocker.fileName() + "/trambul");
    EXPECT_EQ(blocked.folder, elsewhere);
    EXPECT_FALSE(blocked.problem.isEmpty());
}
